#include "gui/appearance/SoundDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTreeView>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "config/SettingsStore.h"
#include "presentation/Appearance.h"
#include "gui/common/EnterKey.h"
#include "gui/common/FileChooser.h"
#include "gui/common/HelpKey.h"
#include "gui/common/Messages.h"
#include "gui/common/Music.h"
#include "gui/common/QtSettingsHost.h"
#include "sound/Sound.h"
#include "gui/common/WindowPlacement.h"

namespace winpiruk {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString MusicFolder() {
  const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
  return QFileInfo(music).isDir() ? music : QDir::homePath();
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

SoundDialog::SoundDialog(GameState& state, const ProgramPaths& paths, QWidget* parent)
    : QDialog(parent), state_(state), paths_(paths), at_open_(TakeSoundChoices(state.settings)) {
  setObjectName(QStringLiteral("SoundDialog"));
  setWindowTitle(QStringLiteral("ぴるく  - サウンド設定 -"));

  Check1 = new QCheckBox(QStringLiteral("効果音およびBGMを鳴らす(&S)"), this);
  Check1->setObjectName(QStringLiteral("Check1"));
  BuildEffectsFrame();
  BuildMusicFrame();
  BuildClosingRow();
  ShowOpeningChoices();
  ConnectControls();
  UpdateButtons();
  AddHelpKey(*this, paths_.program_directory);

  resize(760, 620);
  adjustSize();
  CentreOnScreen(*this);
  resize(760, 620);
}

void SoundDialog::BuildEffectsFrame() {
  // Effects: the events on the left, the file of the chosen event on the right.
  Frame1 = new QGroupBox(QStringLiteral("効果音 ｲﾍﾞﾝﾄ場面 (*.wav)"), this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  List1 = new QListWidget(Frame1);
  List1->setObjectName(QStringLiteral("List1"));
  for (int i = 0; i < kSoundEvents; ++i) List1->addItem(QString::fromUtf8(SoundEventCaption(SoundEvent(i))));
  List1->setFixedWidth(List1->sizeHintForColumn(0) + 2 * List1->frameWidth() + 24);
  Effects = new FileChooser({QStringLiteral("*.wav")}, Frame1);
  Drive1 = Effects->Drive;
  Dir1 = Effects->Dir;
  File1 = Effects->File;
  Drive1->setObjectName(QStringLiteral("Drive1"));
  Dir1->setObjectName(QStringLiteral("Dir1"));
  File1->setObjectName(QStringLiteral("File1"));
  PathLabel = new QLabel(Frame1);
  PathLabel->setObjectName(QStringLiteral("PathLabel"));
  PathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  PathLabel->setMinimumWidth(200);
  PathLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  PathLabel->installEventFilter(this);
  Command3D5 = Button(Frame1, "Command3D5", QStringLiteral("初期状態に戻す(&R)"));
  {
    auto* grid = new QGridLayout(Frame1);
    grid->setHorizontalSpacing(12);
    grid->addWidget(List1, 0, 0, 2, 1);
    grid->addWidget(Effects, 0, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(PathLabel, 1);
    row->addWidget(Command3D5);
    grid->addLayout(row, 1, 1);
    grid->setColumnStretch(1, 1);
  }
}

void SoundDialog::BuildMusicFrame() {
  // Music: the list on the left, the buttons between, the files on the right.
  Frame2 = new QGroupBox(QStringLiteral("BGMﾌｧｲﾙ (*.mid)"), this);
  Frame2->setObjectName(QStringLiteral("Frame2"));
  List2 = new QListWidget(Frame2);
  List2->setObjectName(QStringLiteral("List2"));
  List2->setMinimumWidth(180);
  Command3D3 = Button(Frame2, "Command3D3", QStringLiteral("<-追加"));
  Command3D4 = Button(Frame2, "Command3D4", QStringLiteral("解除->"));
  Pieces = new FileChooser({QStringLiteral("*.mid")}, Frame2);
  Drive2 = Pieces->Drive;
  Dir2 = Pieces->Dir;
  File2 = Pieces->File;
  Drive2->setObjectName(QStringLiteral("Drive2"));
  Dir2->setObjectName(QStringLiteral("Dir2"));
  File2->setObjectName(QStringLiteral("File2"));
  {
    auto* row = new QHBoxLayout(Frame2);
    row->setSpacing(12);
    row->addWidget(List2, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command3D3);
    buttons->addWidget(Command3D4);
    buttons->addStretch(1);
    row->addLayout(buttons);
    row->addWidget(Pieces, 2);
  }
}

void SoundDialog::BuildClosingRow() {
  Command3D1 = Button(this, "Command3D1", QStringLiteral("OK"));
  Command3D2 = Button(this, "Command3D2", QStringLiteral("ｷｬﾝｾﾙ"));
  for (QPushButton* button : {Command3D1, Command3D2}) button->setMinimumWidth(96);
  Command3D1->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 14, 16, 14);
  layout->setSpacing(10);
  layout->addWidget(Check1);
  layout->addWidget(Frame1, 1);
  layout->addWidget(Frame2, 1);
  auto* closing = new QHBoxLayout;
  closing->addStretch(1);
  closing->addWidget(Command3D1);
  closing->addWidget(Command3D2);
  layout->addLayout(closing);
}

void SoundDialog::ShowOpeningChoices() {
  // The window as it opens: the sound switch, the first event's file and the list.
  Check1->setChecked(state_.settings.SoundMode != 0);
  entries_ = winpiruk::BgmEntries(state_.settings);
  ShowBgmList();
  const std::string& first_piece = state_.settings.BgmList.at(1);
  Pieces->SetFolder(entries_ > 0 && !first_piece.empty() ? Text(FolderOf(first_piece)) : MusicFolder());
  List1->setCurrentRow(0);
  List1_Click();
}

void SoundDialog::ConnectControls() {
  connect(Check1, &QCheckBox::toggled, this, &SoundDialog::Check1_Click);
  connect(List1, &QListWidget::currentRowChanged, this, [this] { List1_Click(); });
  connect(Effects, &FileChooser::FileClicked, this, &SoundDialog::File1_Click);
  connect(Effects, &FileChooser::FileDoubleClicked, this, &SoundDialog::File1_DblClick);
  connect(Pieces, &FileChooser::FileDoubleClicked, this, [this] { File2_DblClick(); });
  connect(File2->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { UpdateButtons(); });
  connect(List2, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { List2_DblClick(item); });
  connect(List2, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
  connect(Command3D3, &QPushButton::clicked, this, &SoundDialog::Command3D3_Click);
  connect(Command3D4, &QPushButton::clicked, this, &SoundDialog::Command3D4_Click);
  connect(Command3D5, &QPushButton::clicked, this, &SoundDialog::Command3D5_Click);
  connect(Command3D1, &QPushButton::clicked, this, &SoundDialog::Command3D1_Click);
  connect(Command3D2, &QPushButton::clicked, this, &SoundDialog::reject);
  // Enter in a list moves on to OK.
  for (QWidget* list : {static_cast<QWidget*>(List1), static_cast<QWidget*>(List2), static_cast<QWidget*>(File1),
                        static_cast<QWidget*>(File2)}) {
    EnterMovesFocusTo(*list, *Command3D1);
  }
}

SoundDialog::~SoundDialog() = default;

SoundEvent SoundDialog::SelectedEvent() const { return SoundEvent(std::clamp(List1->currentRow(), 0, kSoundEvents - 1)); }

void SoundDialog::ShowEventFile() {
  const QString path = Text(EffectFile(state_.settings, SelectedEvent()));
  const bool missing = !path.isEmpty() && !QFileInfo(path).isFile();
  const QString shown = path.isEmpty() ? QStringLiteral("ﾌｧｲﾙ名 : ") : QStringLiteral("ﾌｧｲﾙ名 : ") + path;
  PathLabel->setText(PathLabel->fontMetrics().elidedText(shown, Qt::ElideMiddle, std::max(PathLabel->contentsRect().width(), 200)));
  PathLabel->setToolTip(missing ? QStringLiteral("「 ") + path + QStringLiteral(" 」というファイルが見つかりません。") : path);
  QPalette palette = PathLabel->palette();
  palette.setColor(QPalette::WindowText, missing ? QColor(176, 0, 0) : this->palette().color(QPalette::WindowText));
  PathLabel->setPalette(palette);
}

void SoundDialog::ShowBgmList() {
  List2->clear();
  for (int slot = 1; slot <= entries_; ++slot) {
    const QString path = Text(state_.settings.BgmList.at(static_cast<size_t>(slot)));
    auto* item = new QListWidgetItem(QFileInfo(path).fileName(), List2);
    if (QFileInfo(path).isFile()) {
      item->setToolTip(path);
    } else {
      // Kept in the list, but marked: it will be passed over when played.
      item->setForeground(QColor(150, 150, 150));
      item->setToolTip(QStringLiteral("「 ") + path + QStringLiteral(" 」というファイルが見つかりません。"));
    }
  }
}

void SoundDialog::UpdateButtons() {
  Command3D3->setEnabled(!Pieces->SelectedFile().isEmpty() && entries_ < kMaxBgm);
  Command3D4->setEnabled(List2->currentRow() >= 0 && List2->currentRow() < entries_);
}

void SoundDialog::Check1_Click(bool checked) { state_.settings.SoundMode = checked ? 1 : 0; }

void SoundDialog::List1_Click() {
  const QString path = Text(EffectFile(state_.settings, SelectedEvent()));
  if (path.isEmpty() || !QFileInfo(path).isFile()) {
    Effects->SetFolder(path.isEmpty() ? Text(paths_.program_directory) : QFileInfo(path).path());
  } else {
    Effects->SelectFile(path);
  }
  ShowEventFile();
}

void SoundDialog::File1_Click(const QString& path) {
  const std::string chosen = path.toStdString();
  const std::string effect = JoinFolderFile(FolderOf(chosen), FileNameOf(chosen));
  if (RefuseUnstorablePath(this, windowTitle(), effect)) return;
  EffectFile(state_.settings, SelectedEvent()) = effect;
  ShowEventFile();
}

void SoundDialog::File1_DblClick(const QString& path) {
  // The window plays the file itself, whatever the sound switch says.
  if (!preview_) preview_ = std::make_unique<EffectPlayer>();
  last_preview_ = preview_->PlayEffect(path.toStdString(), true);
}

void SoundDialog::File2_DblClick() { Command3D3_Click(); }

void SoundDialog::List2_DblClick(QListWidgetItem* item) {
  List2->setCurrentItem(item);
  Command3D4_Click();
}

void SoundDialog::Command3D3_Click() {
  const std::string chosen = Pieces->SelectedPath().toStdString();
  if (chosen.empty()) return;
  const std::string piece = JoinFolderFile(FolderOf(chosen), FileNameOf(chosen));
  if (RefuseUnstorablePath(this, windowTitle(), piece)) return;
  if (!AddBgm(state_.settings, entries_, piece)) return;
  ShowBgmList();
  List2->setCurrentRow(entries_ - 1);
  UpdateButtons();
}

void SoundDialog::Command3D4_Click() {
  const int row = List2->currentRow();
  if (!RemoveBgm(state_.settings, entries_, row + 1)) return;
  ShowBgmList();
  if (entries_ > 0) List2->setCurrentRow(std::min(row, entries_ - 1));
  UpdateButtons();
}

void SoundDialog::Command3D5_Click() {
  ResetEffectFiles(state_.settings, paths_.program_directory);
  List1_Click();
}

void SoundDialog::Command3D1_Click() {
  Settings& s = state_.settings;
  s.BgmCount = ConfirmedBgmCount(s, entries_);
  state_.BgmTrack = 1;
  QtSettingsHost host(this);
  WriteSettings(state_, paths_, host);
  accept();
}

void SoundDialog::reject() {
  // The sound switch keeps what the box shows.
  RestoreSoundChoices(state_.settings, at_open_);
  QDialog::reject();
}

bool SoundDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == PathLabel) {
    // The path is shortened in its middle to the room the label has.
    if (event->type() == QEvent::Resize) ShowEventFile();
  }
  return QDialog::eventFilter(watched, event);
}

bool OpenSoundSettings(QWidget* parent, GameState& state, const ProgramPaths& paths, Music& music) {
  const bool sound_was_on = state.settings.SoundMode != 0;
  SoundDialog window(state, paths, parent);
  const bool confirmed = window.exec() == QDialog::Accepted;
  if (state.settings.SoundMode == 0) {
    music.StopMusic();
    return confirmed;
  }
  if (confirmed && !music.BgmAvailable() && state.settings.BgmCount > 0) {
    music.RetryOpenMusic();
    if (!music.BgmAvailable()) {
      ShowMessage(parent, kProgramTitle, UnplayableMusicText(music.Unplayable()), QMessageBox::Warning);
      return confirmed;
    }
    music.PlayMusic();
  } else if (!sound_was_on) {
    music.PlayMusic();
  }
  return confirmed;
}

}  // namespace winpiruk
