#include "gui/table/TableWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QSessionManager>
#include <functional>

#include "gui/common/Awaiting.h"
#include "gui/common/Captions.h"
#include "gui/common/Colours.h"
#include "gui/common/Messages.h"
#include "gui/common/Twips.h"
#include "gui/common/WindowLoss.h"
#include "gui/common/WindowPlacement.h"
#include "gui/table/QtTableView.h"
#include "gui/table/TableCommands.h"
#include "scoring/MemberFiles.h"
#include "sound/AudioModule.h"

namespace winpiruk {
namespace {

// The table font's pixel size at the design size.
constexpr int kTableFontPixels = 12;

// The positions a click on the table picks: the user's hand and the piles.
constexpr std::array<int, 12> kClickablePositions = {1, 2, 3, 4, 5, 6, 7, 8, 9,
                                                     kPosDrawPile, kPosDiscardPile, kPosSecondCard};

}  // namespace

TableArea::TableArea(const GameState& state, const QPixmap& picture, QWidget* parent)
    : QWidget(parent), state_(state), picture_(picture) {
  setObjectName(QStringLiteral("tableArea"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TableArea::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), TableFeltColour());
  if (state_.settings.GameWallPaper.empty() || picture_.isNull()) return;
  if (state_.settings.WallPaperAutoSize == 1) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
  } else {
    painter.drawPixmap(0, 0, picture_);
  }
}

TableWindow::TableWindow(GameState& state, const ProgramPaths& paths, Music& music, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      paths_(paths),
      table_options_(LoadTableOptions(TableOptionsFile(QString::fromStdString(paths.config_directory)))),
      pictures_(state.settings,
                [this](const QString& path, const QString& number) {
                  if (view_ != nullptr) view_->FatalMissingPicture(path, number);
                }),
      music_(music) {
  setObjectName(QStringLiteral("tableWindow"));
  setFocusPolicy(Qt::StrongFocus);
  // The player's options of the last run: the sound keeps them until it is
  // first wanted; every window that shows cards follows the deck.
  SetSoundVolumes(table_options_.volumes);
  state_.window.FourColourDeck = table_options_.four_colour_deck;
  pictures_.SetDeckColours(DeckColoursOf(state_.window));
  BuildMenus();
  BuildTable();
  setWindowTitle(ProgramTitle());
  TableWidth = kDesignWidthTwips;
  TableHeight = kDesignHeightTwips;
  resize(PixelsFromTwips(kDesignWidthTwips), PixelsFromTwips(kDesignHeightTwips));
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { SessionEnding(); });
}

TableWindow::~TableWindow() = default;

TableSurface TableWindow::Surface(EffectPlayer& effects) {
  return TableSurface{*this, *table_, pictures_, effects, music_, layout_, scale_, table_options_};
}

void TableWindow::Attach(QtTableView& view, TableCommands& commands) {
  view_ = &view;
  commands_ = &commands;
  view_->ApplyLabelColours();
  LayOutTable();
  WireTable();
  WireWindows();
}

void TableWindow::BuildMenus() {
  menus_ = BuildTableMenus(menuBar(), [this](TableCommand command) { RunCommand(command); });
  CheckPlayModeMenu(state_.table.AutoPlay);
  menus_.keyGuidesAction->setChecked(state_.settings.KeyGuideDisplay == 1);
  menus_.growTableAction->setChecked(table_options_.grow_with_window);
  menus_.markPlayableAction->setChecked(table_options_.mark_playable_cards);
  menus_.fourColourDeckAction->setChecked(table_options_.four_colour_deck);
  // One language or the other: the items show as a choice of one.
  auto* languages = new QActionGroup(this);
  languages->addAction(menus_.japaneseAction);
  languages->addAction(menus_.englishAction);
  CheckLanguageMenu(gui::CurrentLanguage());
  // The music menu follows the music's ready state.
  menus_.musicMenu->menuAction()->setEnabled(false);
}

void TableWindow::RunCommand(TableCommand command) {
  // Until the commands are attached the menus do nothing.
  if (commands_ != nullptr) std::invoke(command, *commands_);
}

void TableWindow::BuildTable() {
  table_ = new TableArea(state_, picture_source_, this);
  setCentralWidget(table_);
  ScaleTableFont();
}

void TableWindow::WireTable() {
  const TableWidgets& widgets = view_->widgets();
  for (int position : kClickablePositions) {
    connect(PositionPicture(widgets, position), &TablePicture::clicked, this,
            [this, position] { commands_->OnPositionClicked(position); });
  }
  // The card window it opens is waited for in a run of its own.
  connect(widgets.seatLabels[2].name, &TableText::clicked, this,
          [this] { RunAwaiting([this] { commands_->OnTopSeatName(); }); });
}

void TableWindow::WireWindows() {
  ConnectMusicControls(music_, this, menus_.musicMenu, menus_.pauseMusicAction, menus_.nextPieceAction,
                       menus_.previousPieceAction);
  connect(view_->widgets().musicPicture, &TablePicture::doubleClicked, &music_,
          [this] { music_.NextPiece(this); });
  // Without its window the table cannot be played, nor quit from its menu:
  // the program ends as the quit command ends it, the records written.
  connect(new WindowLossWatch(*this), &WindowLossWatch::Lost, this, &TableWindow::EndProgram);
}

void TableWindow::PrepareMatch() { commands_->PrepareMatch(); }

void TableWindow::ResumeMatch() { commands_->ResumeMatch(); }

bool TableWindow::TypeKey(char32_t ch) { return commands_ != nullptr && commands_->TypeKey(ch); }

void TableWindow::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  if (typed.size() == 1 && (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0) {
    const char32_t ch = typed.at(0).unicode();
    // Printable ASCII and the half-width kana of a Japanese keyboard.
    if ((ch >= 32 && ch <= 127) || (ch >= 0xFF61 && ch <= 0xFF9F)) {
      TypeKey(ch);
      event->accept();
      return;
    }
  }
  QMainWindow::keyPressEvent(event);
}

void TableWindow::LayOutTable() {
  if (view_ == nullptr) return;
  laying_out_ = true;
  const QSize area = table_->size();
  const WindowChrome chrome = Chrome();
  setMinimumSize(LeastWindowSize(chrome));
  const double fitting = TableZoom(area, chrome, table_options_.grow_with_window);
  // Until it is shown the area has no size of its own to shrink the table to.
  const double zoom = fitting < 1.0 && !isVisible() ? 1.0 : fitting;
  // The layout's own rules share out a window of the size the zoom leaves.
  const QSize unzoomed = UnzoomedWindowTwips(QSize(TableWidth, TableHeight), area, chrome, zoom);
  layout_ = LayoutTable(unzoomed.width(), unzoomed.height(), state_.settings);
  scale_ = CentredScale(layout_, zoom, area);
  laid_out_for_ = {QSize(TableWidth, TableHeight), area};
  ScaleTableFont();
  view_->PlaceWidgets();
  ScalePictures();
  view_->Relayout();
  laying_out_ = false;
}

WindowChrome TableWindow::Chrome() const {
  // Before the first show the menu bar has no height yet: its hint does.
  const int menu_height = menuBar()->isVisible() ? menuBar()->height() : menuBar()->sizeHint().height();
  return WindowChrome{QSize(0, menu_height)};
}

void TableWindow::ScaleTableFont() {
  const int pixels = ScaledPixels(kTableFontPixels, scale_.zoom);
  QFont font = table_->font();
  if (font.pixelSize() == pixels) return;
  font.setPixelSize(pixels);
  table_->setFont(font);
}

void TableWindow::ScalePictures() {
  const double device_pixel_ratio = devicePixelRatioF();
  if (pictures_.Zoom() == scale_.zoom && pictures_.DevicePixelRatio() == device_pixel_ratio) return;
  pictures_.SetScale(scale_.zoom, device_pixel_ratio);
  view_->RedrawPictures();
}

void TableWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (laying_out_ || state_.window.ResizeGuard || isMinimized()) return;
  TableWidth = static_cast<int>(TwipsFromPixels(width()));
  TableHeight = static_cast<int>(TwipsFromPixels(height()));
  StoreBounds();
  // A resize to the size on show (the first show, a restore) has nothing to move.
  if (laid_out_for_ == LaidOutSize{QSize(TableWidth, TableHeight), table_->size()}) return;
  LayOutTable();
  table_->update();
}

void TableWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (state_.window.ResizeGuard || isMinimized() || !isVisible()) return;
  StoreBounds();
}

void TableWindow::StoreBounds() {
  // The position is the frame's, as move() takes it; the size is the
  // window's own, as resize() takes it, so a restart puts it back exactly.
  Settings& s = state_.settings;
  s.MainWindowPosX = TwipsField(TwipsFromPixels(frameGeometry().x()));
  s.MainWindowPosY = TwipsField(TwipsFromPixels(frameGeometry().y()));
  s.MainWindowWidth = TwipsField(TwipsFromPixels(width()));
  s.MainWindowHeight = TwipsField(TwipsFromPixels(height()));
}

void TableWindow::PlaceAtDesignSize() {
  resize(PixelsFromTwips(kDesignWidthTwips), PixelsFromTwips(kDesignHeightTwips));
  CentreOnScreen(*this);
}

void TableWindow::PlaceAtSavedBounds() {
  const Settings& s = state_.settings;
  PlaceAt(QRect(PixelsFromTwips(s.MainWindowPosX), PixelsFromTwips(s.MainWindowPosY),
                PixelsFromTwips(s.MainWindowWidth), PixelsFromTwips(s.MainWindowHeight)),
          QSize(PixelsFromTwips(kDesignWidthTwips), PixelsFromTwips(kDesignHeightTwips)));
}

bool TableWindow::PlaceAtLastPlace() {
  if (!table_options_.last_place) return false;
  // The user may have left the table smaller than designed: it comes back so.
  PlaceAt(*table_options_.last_place, LeastWindowSize(Chrome()));
  return true;
}

bool TableWindow::KeepPlace() {
  table_options_.last_place = QRect(frameGeometry().topLeft(), size());
  return SaveTableOptions(TableOptionsFile(QString::fromStdString(paths_.config_directory)), table_options_);
}

void TableWindow::PlaceAt(const QRect& saved, const QSize& least) {
  // A damaged or outdated file must not leave the table too small to show
  // or on a screen that is no longer there; the file keeps what it says.
  const QRect place = ReachablePlace(saved, least, AvailableScreenAreas());
  move(place.topLeft());
  resize(place.size());
}

bool TableWindow::LoadPictureSource(const QString& path) {
  QPixmap picture;
  const bool loaded = picture.load(path);
  // A picture that cannot be read leaves the table plain, never showing the
  // one it was meant to replace.
  picture_source_ = loaded ? picture : QPixmap();
  picture_source_path_ = loaded ? path : QString();
  table_->update();
  return loaded;
}

void TableWindow::ClearPictureSource() {
  picture_source_ = QPixmap();
  table_->update();
}

WindowBounds TableWindow::LiveBounds() const {
  return {static_cast<int>(TwipsFromPixels(frameGeometry().x())), static_cast<int>(TwipsFromPixels(frameGeometry().y())),
          static_cast<int>(TwipsFromPixels(width())), static_cast<int>(TwipsFromPixels(height()))};
}

void TableWindow::StartTimeLimit() { commands_->StartTimeLimit(); }

void TableWindow::StopTimeLimit() { commands_->StopTimeLimit(); }

void TableWindow::EnablePlayModeMenu(bool enabled) {
  menus_.manualPlayAction->setEnabled(enabled);
  menus_.autoPlayAction->setEnabled(enabled);
}

void TableWindow::CheckPlayModeMenu(bool auto_play) {
  menus_.manualPlayAction->setChecked(!auto_play);
  menus_.autoPlayAction->setChecked(auto_play);
}

void TableWindow::CheckLanguageMenu(gui::Language language) {
  menus_.japaneseAction->setChecked(language == gui::Language::Japanese);
  menus_.englishAction->setChecked(language == gui::Language::English);
}

void TableWindow::OpenMemberDecision(bool member_change) { commands_->OpenMemberDecision(member_change); }

void TableWindow::EndProgram() {
  if (ending_.quit) ending_.quit();
}

void TableWindow::FailProgram() {
  if (ending_.fail) ending_.fail();
}

void TableWindow::KeepRecords() {
  if (!WriteMemberFiles(state_, paths_)) ShowWriteFailure(this);
}

void TableWindow::SessionEnding() {
  // The desktop session is ending: keep the records and let the window go.
  if (ending_.keep) {
    ending_.keep();
  } else {
    KeepRecords();
  }
  close_allowed_ = true;
}

bool TableWindow::event(QEvent* event) {
  // A question or a window opened over the table must not cost the user the
  // move: while it waits for an answer, the countdown waits too.
  // The game's own waits hold still under such a window too, as they
  // always have.
  if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked) {
    const bool blocked = event->type() == QEvent::WindowBlocked;
    if (view_ != nullptr) view_->waits().SetTableBlocked(blocked);
    if (commands_ != nullptr) blocked ? commands_->HoldTimeLimit() : commands_->ResumeTimeLimit();
  }
  // On a screen of another pixel density the pictures are drawn for it.
  if (event->type() == QEvent::ScreenChangeInternal && view_ != nullptr && !laying_out_) LayOutTable();
  return QMainWindow::event(event);
}

void TableWindow::closeEvent(QCloseEvent* event) {
  if (close_allowed_) {
    event->accept();
    return;
  }
  event->ignore();
  if (view_ != nullptr) view_->Tell(Notice::CloseRefused);
}

}  // namespace winpiruk
