#include "gui/table/TableWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QSessionManager>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "config/NumberText.h"
#include "config/SettingsStore.h"
#include "gui/rules/SaveRuleSetDialog.h"
#include "gui/rules/OpenRuleSetDialog.h"
#include "gui/start/AboutDialog.h"
#include "gui/rules/RulesDialog.h"
#include "gui/rules/RuleAnalyser.h"
#include "engine/Durations.h"
#include "engine/Engine.h"
#include "gui/members/SeatingDialog.h"
#include "gui/members/GroupDialog.h"
#include "presentation/GameTexts.h"
#include "scoring/MemberFiles.h"
#include "gui/scoring/StatisticsDialog.h"
#include "gui/table/QtTableView.h"
#include "gui/common/Captions.h"
#include "gui/common/Colours.h"
#include "gui/appearance/TextColoursDialog.h"
#include "gui/appearance/SoundDialog.h"
#include "gui/appearance/CardBackDialog.h"
#include "gui/appearance/BackgroundDialog.h"
#include "gui/common/HelpWindow.h"
#include "gui/common/Messages.h"
#include "gui/common/Pacing.h"
#include "gui/common/QtSettingsHost.h"
#include "gui/common/Twips.h"
#include "gui/common/WindowPlacement.h"
#include "gui/common/WindowLoss.h"

namespace winpiruk {
namespace {

// The property that keeps a table label's number.
constexpr const char* kLabelNumber = "tableLabelNumber";
// The whole name a seat's name label stands for, when its place is too
// narrow to show all of it.
constexpr const char* kFullName = "tableFullName";

bool IsNameLabel(int number) { return number >= NameLabel(0) && number <= NameLabel(kSeats - 1); }

// The further-discard prompts ("もう一枚捨てて", "さらに捨てる？") are this long;
// a running count is written after them.
constexpr qsizetype kPromptLength = 7;

void Colour(QLabel* label, const TextColour& text, int16_t background_flag) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, ColourFromBgr(text.colour));
  palette.setColor(QPalette::Window, background_flag == 1 ? Qt::white : Qt::black);
  label->setPalette(palette);
  label->setAutoFillBackground(true);
}

// The music picture: a pair of quavers, drawn at the table's zoom in the
// screen's own pixels.
QPixmap MusicPicture(double zoom, double device_pixel_ratio) {
  constexpr int kSize = 32;
  const double scale = zoom * device_pixel_ratio;
  const int pixels = std::max(1, static_cast<int>(std::lround(kSize * scale)));
  QPixmap picture(pixels, pixels);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(scale, scale);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 236, 140));
  painter.drawEllipse(QRectF(5, 21, 9, 7));
  painter.drawEllipse(QRectF(18, 18, 9, 7));
  painter.drawRect(QRectF(12, 6, 2.2, 19));
  painter.drawRect(QRectF(25, 3, 2.2, 19));
  QPainterPath beam;
  beam.moveTo(12, 6);
  beam.lineTo(27.2, 3);
  beam.lineTo(27.2, 8);
  beam.lineTo(12, 11);
  beam.closeSubpath();
  painter.drawPath(beam);
  painter.end();
  picture.setDevicePixelRatio(device_pixel_ratio);
  return picture;
}

// The table font's pixel size at the design size.
constexpr int kTableFontPixels = 12;

// A command of a menu, a submenu and a menu of the menu bar, named for the code.
void MenuItem(QMenu* menu, QAction*& action, const char* name, const QString& caption) {
  action = menu->addAction(AccessCaption(caption));
  action->setObjectName(QString::fromLatin1(name));
}

void Submenu(QMenu* parent_menu, QMenu*& menu, const char* name, const QString& caption) {
  menu = parent_menu->addMenu(AccessCaption(caption));
  menu->setObjectName(QString::fromLatin1(name));
  menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
}

void TopMenu(QMenuBar* bar, QMenu*& menu, const char* name, const QString& caption) {
  menu = bar->addMenu(AccessCaption(caption));
  menu->setObjectName(QString::fromLatin1(name));
}

}  // namespace

TableArea::TableArea(const GameState& state, const QPixmap& picture, QWidget* parent)
    : QWidget(parent), state_(state), picture_(picture) {
  setObjectName(QStringLiteral("TableArea"));
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

TableWindow::TableWindow(GameState& state, const ProgramPaths& paths, RandomSource& random, const Clock& clock, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      paths_(paths),
      table_options_(LoadTableOptions(TableOptionsFile(QString::fromStdString(paths.config_directory)))),
      pictures_(state.settings,
                [this](const QString& path, const QString& number) { FatalMissingPicture(path, number); }),
      music_(state),
      random_(random),
      clock_(clock) {
  setObjectName(QStringLiteral("TableWindow"));
  setFocusPolicy(Qt::StrongFocus);
  BuildMenus();
  BuildTable();
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kTimeLimitTickMs);
  connect(Timer1, &QTimer::timeout, this, &TableWindow::Timer1_Timer);
  view_ = std::make_unique<QtTableView>(*this, state_);
  Scorekeeping scorekeeping;
  scorekeeping.write_member_files = MemberFilesWriterFor(paths_);
  // The same clock as the match's start, so its length is measured on one clock.
  scorekeeping.time_of_day = [this] { return clock_.Now().SecondsSinceMidnight(); };
  engine_ = std::make_unique<Engine>(state_, *view_, random_, clock_, std::move(scorekeeping));
  setWindowTitle(kProgramTitle);
  TableWidth = kDesignWidthTwips;
  TableHeight = kDesignHeightTwips;
  resize(PixelsFromTwips(kDesignWidthTwips), PixelsFromTwips(kDesignHeightTwips));
  ApplyLabelColours();
  LayOutTable();
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { SessionEnding(); });
  WireWindows();
}

void TableWindow::WireWindows() {
  ConnectMusicControls(music_, this, BGMC, Pause, Next, Back);
  connect(Picture[41], &TablePicture::doubleClicked, &music_, [this] { music_.Picture41_DblClick(this); });
  connect(Label[NameLabel(2)], &TableText::clicked, this, &TableWindow::Label3_Click);
  // Without its window the table cannot be played, nor quit from its menu:
  // the program ends as the quit command ends it, the records written.
  connect(new WindowLossWatch(*this), &WindowLossWatch::Lost, this, &TableWindow::EndProgram);
}

void TableWindow::OpenMemberDecision(bool member_change) {
  Timer1->stop();
  switch (RunMemberDecision(this, state_, paths_, member_change, random_, clock_)) {
    case SeatingDialogOutcome::Started:
      activateWindow();
      Form_Load();
      break;
    case SeatingDialogOutcome::Cancelled:
      break;
    case SeatingDialogOutcome::Quit:
      EndProgram();
      break;
  }
}

TableWindow::~TableWindow() = default;

void TableWindow::BuildMenus() {
  BuildGameMenu();
  BuildOptionMenu();
  TopMenu(menuBar(), Help, "Help", QStringLiteral("ﾍﾙﾌﾟ(&H&ﾙ)"));
  MenuItem(Help, Rules, "Rules", QStringLiteral("目次(&C&ﾓ)"));
  Help->addSeparator();
  MenuItem(Help, About, "About", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A&ﾊ)..."));

  GameModeManual->setCheckable(true);
  GameModeAuto->setCheckable(true);
  GameModeManual->setChecked(state_.AutoPlay == 0);
  GameModeAuto->setChecked(state_.AutoPlay != 0);
  KeyAssign->setCheckable(true);
  KeyAssign->setChecked(state_.settings.KeyGuideDisplay == 1);
  GrowTable->setCheckable(true);
  GrowTable->setChecked(table_options_.grow_with_window);
  MarkPlayable->setCheckable(true);
  MarkPlayable->setChecked(table_options_.mark_playable_cards);

  // The music menu follows the music's ready state.
  BGMC->menuAction()->setEnabled(false);
  ConnectMenus();
}

void TableWindow::BuildGameMenu() {
  TopMenu(menuBar(), Game, "Game", QStringLiteral("ｹﾞｰﾑ(&G&ｹ)"));
  MenuItem(Game, NewGame, "NewGame", QStringLiteral("新規ゲーム(&N&ﾆ)..."));
  Game->addSeparator();
  MenuItem(Game, GameResult, "GameResult", QStringLiteral("対戦成績(&R&ｾ)..."));
  Submenu(Game, GameMode, "GameMode", QStringLiteral("実行モード(&M&ﾓ)"));
  MenuItem(GameMode, GameModeManual, "GameModeManual", QStringLiteral("手動(&M&ｼ)"));
  MenuItem(GameMode, GameModeAuto, "GameModeAuto", QStringLiteral("自動(&A&ｵ)"));
  Game->addSeparator();
  MenuItem(Game, Owari, "Owari", QStringLiteral("ぴるく の終了(&X&ｼ)"));
}

void TableWindow::BuildOptionMenu() {
  TopMenu(menuBar(), Opt, "Opt", QStringLiteral("ｵﾌﾟｼｮﾝ(&O&ｵ)"));
  Submenu(Opt, Settei, "Settei", QStringLiteral("設定(&S&ｾ)"));
  MenuItem(Settei, Setting, "Setting", QStringLiteral("ﾙｰﾙ設定(&R&ﾙ)..."));
  MenuItem(Settei, SettingC, "SettingC", QStringLiteral("文字色設定(&C&ﾓ)..."));
  MenuItem(Settei, SettingB, "SettingB", QStringLiteral("盤面背景設定(&W&ｶ)..."));
  MenuItem(Settei, SeetingA, "SeetingA", QStringLiteral("ｻｳﾝﾄﾞ設定(&M&ｵ)..."));
  MenuItem(Settei, SettingK, "SettingK", QStringLiteral("ｶｰﾄﾞ設定(&D&ﾃ)..."));
  Settei->addSeparator();
  MenuItem(Settei, SetLoad, "SetLoad", QStringLiteral("設定ﾌｧｲﾙを開く(&L)..."));
  MenuItem(Settei, SetSave, "SetSave", QStringLiteral("設定の保存(&S)..."));
  Opt->addSeparator();
  MenuItem(Opt, Member, "Member", QStringLiteral("ｸﾞﾙｰﾌﾟ選択/ﾒﾝﾊﾞｰ名変更(&M&ｸ)..."));
  Opt->addSeparator();
  Submenu(Opt, BGMC, "BGMC", QStringLiteral("BGMｺﾝﾄﾛｰﾙ(&B&ﾋ)"));
  MenuItem(BGMC, Pause, "Pause", QStringLiteral("一時停止/解除(&P&ﾎ)"));
  MenuItem(BGMC, Next, "Next", QStringLiteral("1曲進む(&N&ﾂ)"));
  MenuItem(BGMC, Back, "Back", QStringLiteral("1曲戻す(&B&ﾓ)"));
  Opt->addSeparator();
  MenuItem(Opt, KeyAssign, "KeyAssign", QStringLiteral("対応ｷｰ表示(&K&ｷ)"));
  // What the table does beyond the settings file.
  Opt->addSeparator();
  MenuItem(Opt, GrowTable, "GrowTable", QStringLiteral("ｳｨﾝﾄﾞｳに合わせて拡大(&Z&ｶ)"));
  MenuItem(Opt, MarkPlayable, "MarkPlayable", QStringLiteral("出せるｶｰﾄﾞの表示(&P&ﾀ)"));
  Opt->addSeparator();
  MenuItem(Opt, Analyser, "Analyser", QStringLiteral("ﾙｰﾙ分析(&Y&ﾌ)..."));
}

void TableWindow::ConnectMenus() {
  connect(NewGame, &QAction::triggered, this, &TableWindow::NewGame_Click);
  connect(GameModeManual, &QAction::triggered, this, &TableWindow::GameModeManual_Click);
  connect(GameModeAuto, &QAction::triggered, this, &TableWindow::GameModeAuto_Click);
  connect(KeyAssign, &QAction::triggered, this, &TableWindow::KeyAssign_Click);
  connect(GrowTable, &QAction::triggered, this, &TableWindow::GrowTable_Click);
  connect(MarkPlayable, &QAction::triggered, this, &TableWindow::MarkPlayable_Click);
  connect(Analyser, &QAction::triggered, this, &TableWindow::Analyser_Click);
  connect(Owari, &QAction::triggered, this, &TableWindow::Owari_Click);
  connect(Rules, &QAction::triggered, this, [this] { ShowHelpContents(this, paths_.program_directory); });
  connect(About, &QAction::triggered, this, &TableWindow::About_Click);
  connect(GameResult, &QAction::triggered, this, &TableWindow::GameResult_Click);
  connect(Setting, &QAction::triggered, this, &TableWindow::Setting_Click);
  connect(Member, &QAction::triggered, this, &TableWindow::Member_Click);
  connect(SetSave, &QAction::triggered, this, &TableWindow::SetSave_Click);
  connect(SetLoad, &QAction::triggered, this, &TableWindow::SetLoad_Click);
  connect(SettingC, &QAction::triggered, this, &TableWindow::SettingC_Click);
  connect(SettingB, &QAction::triggered, this, &TableWindow::SettingB_Click);
  connect(SeetingA, &QAction::triggered, this, &TableWindow::SeetingA_Click);
  connect(SettingK, &QAction::triggered, this, &TableWindow::SettingK_Click);
}

void TableWindow::BuildTable() {
  table_ = new TableArea(state_, picture_source_, this);
  setCentralWidget(table_);
  ScaleTableFont();

  for (int n = 1; n <= kPictureCount; ++n) {
    auto* picture = new TablePicture(table_);
    picture->setObjectName(QStringLiteral("Picture%1").arg(n));
    picture->hide();
    Picture[n] = picture;
  }
  Picture[10]->setToolTip(QStringLiteral("ここをクリックすると、１枚引けます"));
  Picture[41]->setToolTip(QStringLiteral("ここをダブルクリックすれば、BGMを１曲進めることができます"));
  Picture[41]->ShowDrawn([this] { return MusicPicture(Zoom(), devicePixelRatioF()); });
  Picture[41]->show();
  for (int n : kTableLabels) {
    auto* label = new TableText(table_);
    label->setObjectName(QStringLiteral("Label%1").arg(n));
    label->setProperty(kLabelNumber, n);
    label->hide();
    Label[n] = label;
  }
  for (int n : {kDealerChoiceLabel, kReuseLabel, kExtraNumberLabel}) Label[n]->setAlignment(Qt::AlignCenter);
  for (int position : kGuidedPositions) Label[GuideLabel(position)]->setAlignment(Qt::AlignCenter);
  Label[kDealerChoiceLabel]->setText(QStringLiteral("好きな方を取ってください ."));
  Label[kReuseLabel]->setText(QStringLiteral("場札を再度使います."));
  Label[kExtraNumberLabel]->setText(QStringLiteral("ｴｸｽﾄﾗﾅﾝﾊﾞｰ"));

  ArrowPicture = new TablePicture(table_);
  ArrowPicture->setObjectName(QStringLiteral("ArrowPicture"));
  ArrowPicture->hide();
  BannerPicture = new TablePicture(table_);
  BannerPicture->setObjectName(QStringLiteral("BannerPicture"));
  BannerPicture->setAttribute(Qt::WA_TransparentForMouseEvents);
  BannerPicture->hide();
  MovingCard = new TablePicture(table_);
  MovingCard->setObjectName(QStringLiteral("MovingCard"));
  MovingCard->setAttribute(Qt::WA_TransparentForMouseEvents);
  MovingCard->hide();

  for (int n = 1; n <= 9; ++n) {
    connect(Picture[n], &TablePicture::clicked, this, [this, n] { Picture_Click(n); });
  }
  for (int n : {kPosDrawPile, kPosDiscardPile, kPosSecondCard}) {
    connect(Picture[n], &TablePicture::clicked, this, [this, n] { Picture_Click(n); });
  }
}

void TableWindow::Picture_Click(int number) {
  bool taken = true;
  if (number >= 1 && number <= 9) {
    taken = engine_->ClickHandCard(number);
  } else if (number == kPosDrawPile) {
    taken = engine_->ClickDrawPile();
  } else if (number == kPosDiscardPile) {
    // Outside a pick this click claims a call: it is never explained.
    engine_->ClickDiscardPile();
  } else if (number == kPosSecondCard) {
    taken = engine_->ClickSecondCard();
  }
  if (!taken) view_->hints().ClickNotTaken(number == kPosDrawPile ? int{kPickDrawPile} : number);
}

bool TableWindow::Form_KeyPress(char32_t ch) {
  if (engine_->TypeKey(ch)) return true;
  // A pick key the table could not take says why, as a click does.
  if (const int16_t pick = KeyPick(ch); pick != kPickNone) view_->hints().ClickNotTaken(pick);
  return false;
}

void TableWindow::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  if (typed.size() == 1 && (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0) {
    const char32_t ch = typed.at(0).unicode();
    // Printable ASCII and the half-width kana of a Japanese keyboard.
    if ((ch >= 32 && ch <= 127) || (ch >= 0xFF61 && ch <= 0xFF9F)) {
      Form_KeyPress(ch);
      event->accept();
      return;
    }
  }
  QMainWindow::keyPressEvent(event);
}

void TableWindow::Timer1_Timer() { engine_->TimerTick(); }

void TableWindow::Form_Load() {
  GameModeManual->setChecked(state_.AutoPlay == 0);
  GameModeAuto->setChecked(state_.AutoPlay != 0);
  KeyAssign->setChecked(state_.settings.KeyGuideDisplay == 1);
  view_->ClearTable();
  ApplyLabelColours();
  ShowSeatLabels();
  if (state_.MatchInProgress == 0) return;
  // The first hand is dealt once the window is on screen and whatever
  // opened the match has returned.
  QTimer::singleShot(0, this, [this] {
    if (state_.MatchInProgress == 0 || state_.EngineRunning != 0 || state_.HandPhase != 0) return;
    engine_->PlayTurn();
  });
}

void TableWindow::ShowSeatLabels() {
  const bool shown = state_.MatchInProgress != 0;
  for (int seat = 0; seat < kSeats; ++seat) {
    SetLabelText(NameLabel(seat), QString::fromStdString(state_.SeatName[seat]));
    SetLabelText(ScoreLabel(seat), QStringLiteral("[") + QString::fromStdString(NumberText(state_.Score[seat])) +
                                       QStringLiteral("点 ]"));
    Label[NameLabel(seat)]->setVisible(shown);
    Label[ScoreLabel(seat)]->setVisible(shown);
    if (!shown) Label[CountLabel(seat)]->hide();
  }
}

void TableWindow::ApplyLabelColours() {
  const Settings& s = state_.settings;
  for (int seat = 0; seat < kSeats; ++seat) {
    Colour(Label[NameLabel(seat)], s.PlayerNames, s.PlayerNames.background);
    // The card counts share the names' background.
    Colour(Label[CountLabel(seat)], s.NumberOfCard, s.PlayerNames.background);
    Colour(Label[ScoreLabel(seat)], s.PlayerScore, s.PlayerScore.background);
  }
  for (int n : {kReuseLabel, kPromptLabel}) Colour(Label[n], s.Message_1, s.Message_1.background);
  for (int n : {kDealerChoiceLabel, kExtraNumberLabel}) Colour(Label[n], s.Message_2, s.Message_2.background);
  for (int position : kGuidedPositions) Colour(Label[GuideLabel(position)], s.Message_2, s.Message_2.background);
}

void TableWindow::SetLabelText(int number, const QString& text) {
  if (IsTableLabel(number)) SetLabelText(Label[number], text);
}

void TableWindow::SetLabelText(QLabel* label, const QString& text) {
  const int number = label->property(kLabelNumber).toInt();
  if (!IsTableLabel(number)) {
    label->setText(text);
    return;
  }
  // The box hugs the text: the label's place is the most it may take.
  const QRect place = PixelRect(layout_.label[number]);
  if (IsNameLabel(number)) {
    // A name longer than its place ends in an ellipsis rather than being
    // cut off mid-character; the tooltip holds the whole name.
    const QString shown = label->fontMetrics().elidedText(text, Qt::ElideRight, place.width() - 4);
    label->setProperty(kFullName, text);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
  } else {
    label->setText(text);
  }
  const int width = std::min(place.width(), label->sizeHint().width() + 4);
  QRect box(place.left(), place.top(), width, place.height());
  if ((label->alignment() & Qt::AlignHCenter) != 0) box.moveLeft(place.center().x() - width / 2);
  label->setGeometry(box);
}

void TableWindow::LayOutTable() {
  laying_out_ = true;
  const QSize area = table_->size();
  const double zoom = table_options_.grow_with_window ? TableZoom(area) : 1.0;
  // The layout's own rules share out a window of the size the zoom leaves.
  layout_ = LayoutTable(UnzoomedTwips(TableWidth, zoom), UnzoomedTwips(TableHeight, zoom), state_.settings);
  scale_ = CentredScale(layout_, zoom, area);
  laid_out_for_ = {QSize(TableWidth, TableHeight), area};
  ScaleTableFont();
  for (int n = 1; n <= kPictureCount; ++n) Picture[n]->setGeometry(PixelRect(layout_.picture[n]));
  for (int n : kTableLabels) {
    const QVariant full_name = Label[n]->property(kFullName);
    SetLabelText(n, IsNameLabel(n) && full_name.isValid() ? full_name.toString() : Label[n]->text());
  }
  // Later cards of a row lie over earlier ones, as the rows are drawn (the
  // right seat's pictures run against its positions).
  for (int n : {kPosDrawPile, kPosDiscardPile, kPosSecondCard}) Picture[n]->raise();
  for (int seat = 0; seat < kSeats; ++seat) {
    for (int p = 1; p <= 9; ++p) Picture[HandPicture(seat, p)]->raise();
  }
  ArrowPicture->raise();
  BannerPicture->raise();
  MovingCard->raise();
  ScalePictures();
  if (view_) view_->Relayout();
  laying_out_ = false;
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
  for (int n = 1; n <= kPictureCount; ++n) Picture[n]->Redraw();
  for (TablePicture* picture : {ArrowPicture, BannerPicture, MovingCard}) picture->Redraw();
}

void TableWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (laying_out_ || state_.ResizeGuard != 0 || isMinimized()) return;
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
  if (state_.ResizeGuard != 0 || isMinimized() || !isVisible()) return;
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
  const QRect saved(PixelsFromTwips(s.MainWindowPosX), PixelsFromTwips(s.MainWindowPosY),
                    PixelsFromTwips(s.MainWindowWidth), PixelsFromTwips(s.MainWindowHeight));
  // A damaged or outdated file must not leave the table too small to show
  // or on a screen that is no longer there; the file keeps what it says.
  const QSize design(PixelsFromTwips(kDesignWidthTwips), PixelsFromTwips(kDesignHeightTwips));
  const QRect place = ReachablePlace(saved, design, AvailableScreenAreas());
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

void TableWindow::KeyAssign_Click() {
  state_.settings.KeyGuideDisplay = static_cast<int16_t>(1 - state_.settings.KeyGuideDisplay);
  KeyAssign->setChecked(state_.settings.KeyGuideDisplay == 1);
  // The user's row moves with the guides; the letters follow the hand.
  LayOutTable();
  // Between hands the table is empty and stays so.
  if (state_.HandPhase != 0) view_->ShowHand(0);
  view_->RefreshPileGuides();
  QtSettingsHost host(this);
  WriteSettings(state_, paths_, host);
}

void TableWindow::GrowTable_Click() {
  table_options_.grow_with_window = !table_options_.grow_with_window;
  GrowTable->setChecked(table_options_.grow_with_window);
  LayOutTable();
  StoreTableOptions();
}

void TableWindow::MarkPlayable_Click() {
  table_options_.mark_playable_cards = !table_options_.mark_playable_cards;
  MarkPlayable->setChecked(table_options_.mark_playable_cards);
  view_->hints().RefreshMarks();
  StoreTableOptions();
}

void TableWindow::Analyser_Click() {
  // The user's time limit waits while the analyser is open.
  const bool counting = Timer1->isActive();
  Timer1->stop();
  OpenRuleAnalyser(this, state_, state_.settings, state_.settings);
  if (counting) Timer1->start();
}

void TableWindow::StoreTableOptions() {
  // A file that cannot be written keeps the choice for this run only.
  if (!SaveTableOptions(TableOptionsFile(QString::fromStdString(paths_.config_directory)), table_options_)) {
    ShowWriteFailure(this);
  }
}

void TableWindow::NewGame_Click() {
  if (engine_->NewGame() != NewGameStep::OpenMemberDecision) return;
  view_->ClearTable();
  if (state_.MatchInProgress == 0) setWindowTitle(kProgramTitle);
  OpenMemberDecision(false);
}

void TableWindow::GameModeAuto_Click() {
  engine_->GameModeAuto_Click();
  view_->CheckPlayMode(state_.AutoPlay != 0);
}

void TableWindow::GameModeManual_Click() {
  engine_->GameModeManual_Click();
  view_->CheckPlayMode(state_.AutoPlay != 0);
}

void TableWindow::Owari_Click() { EndProgram(); }

void TableWindow::HoldTimeLimit() {
  if (!Timer1->isActive()) return;
  Timer1->stop();
  time_limit_held_ = true;
}

void TableWindow::ResumeTimeLimit() {
  // Only a count that was running goes on: restarted during the computer
  // seats' moves it would count down on their turn.
  if (!time_limit_held_) return;
  time_limit_held_ = false;
  if (state_.settings.RestrictTime != 0 && state_.AwaitingUser == 1) Timer1->start();
}

void TableWindow::About_Click() {
  AboutDialog about(this);
  about.exec();
  QApplication::processEvents();
}

void TableWindow::GameResult_Click() {
  OpenGameResult(this, state_, paths_);
  QApplication::processEvents();
}

void TableWindow::Member_Click() {
  OpenGroupWindow(this, state_, paths_);
  QApplication::processEvents();
}

void TableWindow::SetSave_Click() {
  SaveRuleSetFile(this, state_);
  QApplication::processEvents();
}

void TableWindow::SetLoad_Click() {
  if (OpenRuleSetFile(this, state_, [this] { RuleSetLoaded(); })) {
    QtSettingsHost host(this);
    WriteSettingsWithBounds(state_, paths_, host, LiveBounds());
    if (state_.MatchInProgress != 0) FollowSettings();
  }
  QApplication::processEvents();
}

void TableWindow::Setting_Click() {
  const bool users_turn = state_.AwaitingUser == 1 && state_.HandPhase != 0;
  const int16_t restrict_before = state_.settings.RestrictTime;
  const bool counting = Timer1->isActive();
  Timer1->stop();
  RuleWindowHooks hooks;
  hooks.table_size = [this] { return table_->size(); };
  hooks.rule_set_loaded = [this] { RuleSetLoaded(); };
  const RuleWindowResult result = OpenRuleSettings(this, state_, paths_, hooks);
  FollowSettings();
  if (result.restrict_time_set) {
    // A limit switched on during the user's turn starts in full; one that
    // was running goes on from where it stood.
    if (counting) {
      Timer1->start();
    } else if (users_turn && restrict_before == 0 && state_.EngineRunning == 0) {
      engine_->StartTimeLimit();
    }
  } else if (counting) {
    // The count stops; a further-discard prompt stays on the table without it.
    const QString shown = Label[kPromptLabel]->text();
    if (shown.size() >= kPromptLength) {
      SetLabelText(kPromptLabel, shown.left(kPromptLength));
    } else {
      view_->HideLabel(TableLabel::Countdown);
    }
  }
  QApplication::processEvents();
}

void TableWindow::SettingC_Click() {
  if (OpenTextColourSettings(this, state_, paths_)) ApplyLabelColours();
  QApplication::processEvents();
}

void TableWindow::SettingB_Click() {
  OpenBackgroundSettings(this, state_, paths_, [this] {
    if (state_.settings.GameWallPaper.empty()) {
      picture_source_ = QPixmap();
      table_->update();
      return true;
    }
    return LoadPictureSource(QString::fromStdString(state_.settings.GameWallPaper));
  });
  QApplication::processEvents();
}

void TableWindow::SeetingA_Click() {
  OpenSoundSettings(this, state_, paths_, music_);
  QApplication::processEvents();
}

void TableWindow::SettingK_Click() {
  if (OpenCardSettings(this, state_, paths_) && state_.HandPhase != 0) {
    for (int seat = 0; seat < kSeats; ++seat) view_->ShowHand(seat);
  }
  LoadCardBacks();
  QApplication::processEvents();
}

void TableWindow::Label3_Click() {
  // The top seat's name opens the card settings too, without redrawing the
  // hands; the backs still change, so that no old back lies beside new ones.
  OpenCardSettings(this, state_, paths_);
  LoadCardBacks();
}

void TableWindow::FollowSettings() {
  KeyAssign->setChecked(state_.settings.KeyGuideDisplay == 1);
  ShowPlayMode();
  ApplyLabelColours();
  LayOutTable();
  // The rows follow the card positions and the open-card rule at once.
  if (state_.HandPhase != 0) {
    for (int seat = 0; seat < kSeats; ++seat) view_->ShowHand(seat);
  }
  // A rule set may name another background; the one on show is not read again.
  const QString wallpaper = QString::fromStdString(state_.settings.GameWallPaper);
  if (!wallpaper.isEmpty() && wallpaper != picture_source_path_) LoadPictureSource(wallpaper);
  table_->update();
  LoadCardBacks();
}

void TableWindow::ShowPlayMode() {
  // The rule window's initial state, for one, ends auto-play.
  const bool auto_play = state_.AutoPlay != 0;
  view_->CheckPlayMode(auto_play);
  setWindowTitle(QString::fromStdString(TitleForPlayMode(windowTitle().toStdString(), auto_play)));
}

void TableWindow::RuleSetLoaded() {
  FollowSettings();
  music_.FollowRuleSet(this);
}

void TableWindow::LoadCardBacks() {
  if (state_.CardBackShown != state_.settings.CardKind) view_->ShowCardBacks();
}

WindowBounds TableWindow::LiveBounds() const {
  return {static_cast<int>(TwipsFromPixels(frameGeometry().x())), static_cast<int>(TwipsFromPixels(frameGeometry().y())),
          static_cast<int>(TwipsFromPixels(width())), static_cast<int>(TwipsFromPixels(height()))};
}

void TableWindow::KeepRecords() {
  if (!WriteMemberFiles(state_, paths_)) ShowWriteFailure(this);
}

void TableWindow::EndProgram() {
  KeepRecords();
  close_allowed_ = true;
  // From the main loop the program ends in order; from inside a game step
  // or a wait it cannot unwind, so the process ends here, its files written.
  if (state_.EngineRunning == 0 && WaitDepth() == 0 && QThread::currentThread()->loopLevel() <= 1) {
    QApplication::exit(0);
    return;
  }
  std::fflush(nullptr);
  std::_Exit(0);
}

void TableWindow::FatalMissingPicture(const QString& path, const QString& routine_number) {
  ShowMessage(this, kProgramTitle, MissingPictureText(path, routine_number), QMessageBox::Critical);
  EndAfterFatalError();
}

void TableWindow::EndAfterFatalError() {
  KeepRecords();
  std::fflush(nullptr);
  std::_Exit(1);
}

void TableWindow::SessionEnding() {
  // The desktop session is ending: keep the records and let the window go.
  KeepRecords();
  close_allowed_ = true;
}

bool TableWindow::event(QEvent* event) {
  // A question or a window opened over the table must not cost the user the
  // move: while it waits for an answer, the countdown waits too.
  if (event->type() == QEvent::WindowBlocked) HoldTimeLimit();
  if (event->type() == QEvent::WindowUnblocked) ResumeTimeLimit();
  // On a screen of another pixel density the pictures are drawn for it.
  if (event->type() == QEvent::ScreenChangeInternal && table_ != nullptr && !laying_out_) LayOutTable();
  return QMainWindow::event(event);
}

void TableWindow::closeEvent(QCloseEvent* event) {
  if (close_allowed_) {
    event->accept();
    return;
  }
  event->ignore();
  view_->Tell(Notice::CloseRefused);
}

}  // namespace winpiruk
