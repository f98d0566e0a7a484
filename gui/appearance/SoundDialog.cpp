#include "gui/appearance/SoundDialog.h"

#include <algorithm>

#include <QCoreApplication>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "config/SettingsStore.h"
#include "config/StorablePath.h"
#include "presentation/OwnMusic.h"
#include "presentation/Appearance.h"
#include "gui/appearance/SettingsWindowParts.h"
#include "gui/common/Awaiting.h"
#include "gui/common/EnterKey.h"
#include "gui/common/FileChooser.h"
#include "gui/common/Messages.h"
#include "gui/common/Music.h"
#include "gui/common/QtSettingsHost.h"
#include "gui/common/SpokenNames.h"
#include "sound/AudioModule.h"
#include "sound/Sound.h"

namespace winpiruk {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString PercentText(int percent) { return QString::number(percent) + QStringLiteral(" %"); }

// A slider of 0..100 %: the arrow keys move it by 1, Page Up and Down by 10.
QSlider* VolumeSlider(QWidget* parent, const QString& name) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setObjectName(name);
  slider->setRange(0, kFullVolume);
  slider->setSingleStep(1);
  slider->setPageStep(10);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setTickInterval(10);
  return slider;
}

QString MusicFolder() {
  const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
  return QFileInfo(music).isDir() ? music : QDir::homePath();
}

}  // namespace

SoundDialog::SoundDialog(GameState& state, const ProgramPaths& paths, QWidget* parent)
    : QDialog(parent), state_(state), paths_(paths), settings_(state.settings) {
  setObjectName(QStringLiteral("SoundDialog"));
  setWindowTitle(tr("ぴるく  - サウンド設定 -"));

  soundCheck = new QCheckBox(tr("効果音およびBGMを鳴らす(&S)"), this);
  soundCheck->setObjectName(QStringLiteral("soundCheck"));
  BuildVolumeFrame();
  BuildEffectsFrame();
  BuildMusicFrame();
  BuildClosingRow();
  ShowOpeningChoices();
  ConnectControls();
  UpdateButtons();
  FinishSettingsWindow(*this, paths_.program_directory, QSize(760, 700));
}

void SoundDialog::BuildVolumeFrame() {
  volumeFrame = new QGroupBox(tr("音量"), this);
  volumeFrame->setObjectName(QStringLiteral("volumeFrame"));
  effectsVolumeSlider = VolumeSlider(volumeFrame, QStringLiteral("effectsVolumeSlider"));
  musicVolumeSlider = VolumeSlider(volumeFrame, QStringLiteral("musicVolumeSlider"));
  effectsVolumeLabel = new QLabel(volumeFrame);
  effectsVolumeLabel->setObjectName(QStringLiteral("effectsVolumeLabel"));
  musicVolumeLabel = new QLabel(volumeFrame);
  musicVolumeLabel->setObjectName(QStringLiteral("musicVolumeLabel"));
  auto* grid = new QGridLayout(volumeFrame);
  grid->setHorizontalSpacing(12);
  const auto add_row = [&](int row, const QString& caption, QSlider* slider, QLabel* value) {
    auto* label = new QLabel(caption, volumeFrame);
    label->setBuddy(slider);
    // The widest value keeps the column steady while the slider moves.
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(PercentText(kFullVolume)));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, row, 0);
    grid->addWidget(slider, row, 1);
    grid->addWidget(value, row, 2);
  };
  add_row(0, tr("効果音(&V)"), effectsVolumeSlider, effectsVolumeLabel);
  add_row(1, tr("BGM(&U)"), musicVolumeSlider, musicVolumeLabel);
  grid->setColumnStretch(1, 1);
}

void SoundDialog::BuildEffectsFrame() {
  // effectChooser: the events on the left, the file of the chosen event on the right.
  effectsFrame = new QGroupBox(tr("効果音 ｲﾍﾞﾝﾄ場面 (*.wav)"), this);
  effectsFrame->setObjectName(QStringLiteral("effectsFrame"));
  eventList = new QListWidget(effectsFrame);
  eventList->setObjectName(QStringLiteral("eventList"));
  // A list is not read by its frame's title: it is named after it.
  NameAfter(*eventList, tr("効果音 ｲﾍﾞﾝﾄ場面"));
  for (int i = 0; i < kSoundEvents; ++i) {
    eventList->addItem(QCoreApplication::translate("SoundSettings", SoundEventCaption(SoundEvent(i))));
  }
  eventList->setFixedWidth(eventList->sizeHintForColumn(0) + 2 * eventList->frameWidth() + 24);
  effectChooser = new FileChooser({QStringLiteral("*.wav")}, effectsFrame);
  NameChooserParts(*effectChooser, QStringLiteral("effect"));
  effectFileLabel = new QLabel(effectsFrame);
  effectFileLabel->setObjectName(QStringLiteral("effectFileLabel"));
  effectFileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  effectFileLabel->setMinimumWidth(200);
  effectFileLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  effectFileLabel->installEventFilter(this);
  resetEffectsButton = NamedButton(effectsFrame, QStringLiteral("resetEffectsButton"), tr("初期状態に戻す(&R)"));
  {
    auto* grid = new QGridLayout(effectsFrame);
    grid->setHorizontalSpacing(12);
    grid->addWidget(eventList, 0, 0, 2, 1);
    grid->addWidget(effectChooser, 0, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(effectFileLabel, 1);
    row->addWidget(resetEffectsButton);
    grid->addLayout(row, 1, 1);
    grid->setColumnStretch(1, 1);
  }
}

void SoundDialog::BuildMusicFrame() {
  // Music: the list on the left, the buttons between, the files on the right.
  musicFrame = new QGroupBox(tr("BGMﾌｧｲﾙ (*.mid)"), this);
  musicFrame->setObjectName(QStringLiteral("musicFrame"));
  pieceList = new QListWidget(musicFrame);
  pieceList->setObjectName(QStringLiteral("pieceList"));
  NameAfter(*pieceList, tr("BGMﾌｧｲﾙ"));
  pieceList->setMinimumWidth(180);
  addPieceButton = NamedButton(musicFrame, QStringLiteral("addPieceButton"), tr("<-追加"));
  removePieceButton = NamedButton(musicFrame, QStringLiteral("removePieceButton"), tr("解除->"));
  ownPiecesButton = NamedButton(musicFrame, QStringLiteral("ownPiecesButton"), tr("付属の曲(&B)"));
  ownPiecesButton->setToolTip(tr("このプログラムに付いている曲を一覧に加えます"));
  pieceChooser = new FileChooser({QStringLiteral("*.mid")}, musicFrame);
  NameChooserParts(*pieceChooser, QStringLiteral("piece"));
  {
    auto* row = new QHBoxLayout(musicFrame);
    row->setSpacing(12);
    row->addWidget(pieceList, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(addPieceButton);
    buttons->addWidget(removePieceButton);
    buttons->addSpacing(12);
    buttons->addWidget(ownPiecesButton);
    buttons->addStretch(1);
    row->addLayout(buttons);
    row->addWidget(pieceChooser, 2);
  }
}

void SoundDialog::BuildClosingRow() {
  const ClosingButtons closing = MakeClosingButtons(this);
  okButton = closing.ok;
  cancelButton = closing.cancel;

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 14, 16, 14);
  layout->setSpacing(10);
  layout->addWidget(soundCheck);
  layout->addWidget(volumeFrame);
  layout->addWidget(effectsFrame, 1);
  layout->addWidget(musicFrame, 1);
  layout->addLayout(ClosingRow(closing));
}

void SoundDialog::ShowOpeningChoices() {
  // The window as it opens: the sound switch, the first event's file and the list.
  soundCheck->setChecked(settings_.SoundMode != 0);
  const SoundVolumes volumes = CurrentSoundVolumes();
  effectsVolumeSlider->setValue(volumes.effects);
  musicVolumeSlider->setValue(volumes.music);
  effectsVolumeLabel->setText(PercentText(volumes.effects));
  musicVolumeLabel->setText(PercentText(volumes.music));
  entries_ = winpiruk::BgmEntries(settings_);
  ShowBgmList();
  const std::string& first_piece = settings_.BgmList.at(1);
  pieceChooser->SetFolder(entries_ > 0 && !first_piece.empty() ? Text(FolderOf(first_piece)) : MusicFolder());
  eventList->setCurrentRow(0);
  ShowEventChoice();
}

void SoundDialog::ConnectControls() {
  connect(soundCheck, &QCheckBox::toggled, this, &SoundDialog::OnSoundSwitched);
  // valueChanged, not sliderReleased: what plays follows the slider as it is dragged.
  connect(effectsVolumeSlider, &QSlider::valueChanged, this, &SoundDialog::OnVolumeMoved);
  connect(musicVolumeSlider, &QSlider::valueChanged, this, &SoundDialog::OnVolumeMoved);
  connect(eventList, &QListWidget::currentRowChanged, this, [this] { ShowEventChoice(); });
  // What may tell the user something waits for the message in a run of the window's own.
  connect(effectChooser, &FileChooser::FileClicked, this,
          [this](const QString& path) { runs_.Start([this, path] { ChooseEffectFile(path); }); });
  connect(effectChooser, &FileChooser::FileDoubleClicked, this, &SoundDialog::PlayEffectPreview);
  connect(pieceChooser, &FileChooser::FileDoubleClicked, this, [this] { runs_.Start([this] { AddPiece(); }); });
  connect(pieceChooser->FileList()->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { UpdateButtons(); });
  connect(pieceList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { RemovePieceAt(item); });
  connect(pieceList, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
  connect(addPieceButton, &QPushButton::clicked, this, [this] { runs_.Start([this] { AddPiece(); }); });
  connect(removePieceButton, &QPushButton::clicked, this, &SoundDialog::RemovePiece);
  connect(ownPiecesButton, &QPushButton::clicked, this, &SoundDialog::AddOwnPieces);
  connect(resetEffectsButton, &QPushButton::clicked, this, &SoundDialog::ResetEffects);
  connect(okButton, &QPushButton::clicked, this, [this] { runs_.Start([this] { OnOk(); }); });
  connect(cancelButton, &QPushButton::clicked, this, &SoundDialog::reject);
  // Enter in a list moves on to OK.
  for (QWidget* list : {static_cast<QWidget*>(eventList), static_cast<QWidget*>(pieceList), static_cast<QWidget*>(effectChooser->FileList()),
                        static_cast<QWidget*>(pieceChooser->FileList())}) {
    EnterMovesFocusTo(*list, *okButton);
  }
}

SoundDialog::~SoundDialog() { runs_.StopAll(); }

QString SoundDialog::MissingFileTip(const QString& path) { return tr("「 %1 」というファイルが見つかりません。").arg(path); }

SoundEvent SoundDialog::SelectedEvent() const { return SoundEvent(std::clamp(eventList->currentRow(), 0, kSoundEvents - 1)); }

void SoundDialog::ShowEventFile() {
  const QString path = Text(EffectFile(settings_, SelectedEvent()));
  const bool missing = !path.isEmpty() && !QFileInfo(path).isFile();
  const QString shown = tr("ﾌｧｲﾙ名 : %1").arg(path);
  effectFileLabel->setText(effectFileLabel->fontMetrics().elidedText(shown, Qt::ElideMiddle, std::max(effectFileLabel->contentsRect().width(), 200)));
  effectFileLabel->setToolTip(missing ? MissingFileTip(path) : path);
  QPalette palette = effectFileLabel->palette();
  palette.setColor(QPalette::WindowText, missing ? QColor(176, 0, 0) : this->palette().color(QPalette::WindowText));
  effectFileLabel->setPalette(palette);
}

void SoundDialog::ShowBgmList() {
  pieceList->clear();
  for (int slot = 1; slot <= entries_; ++slot) {
    const QString path = Text(settings_.BgmList.at(static_cast<size_t>(slot)));
    auto* item = new QListWidgetItem(QFileInfo(path).fileName(), pieceList);
    if (QFileInfo(path).isFile()) {
      item->setToolTip(path);
    } else {
      // Kept in the list, but marked: it will be passed over when played.
      item->setForeground(QColor(150, 150, 150));
      item->setToolTip(MissingFileTip(path));
    }
  }
}

void SoundDialog::UpdateButtons() {
  addPieceButton->setEnabled(!pieceChooser->SelectedFile().isEmpty() && entries_ < kMaxBgm);
  removePieceButton->setEnabled(pieceList->currentRow() >= 0 && pieceList->currentRow() < entries_);
}

void SoundDialog::OnSoundSwitched(bool checked) {
  // The switch acts at once, on the music and the table's effects alike, and
  // Cancel keeps it: it goes to the settings straight away.
  settings_.SoundMode = checked ? 1 : 0;
  state_.settings.SoundMode = settings_.SoundMode;
}

void SoundDialog::OnVolumeMoved() {
  // Like the switch, the volumes act at once on what plays and stay as
  // they are left: the player hears the level while choosing it.
  const SoundVolumes volumes{effectsVolumeSlider->value(), musicVolumeSlider->value()};
  effectsVolumeLabel->setText(PercentText(volumes.effects));
  musicVolumeLabel->setText(PercentText(volumes.music));
  SetSoundVolumes(volumes);
}

void SoundDialog::ShowEventChoice() {
  const QString path = Text(EffectFile(settings_, SelectedEvent()));
  if (path.isEmpty() || !QFileInfo(path).isFile()) {
    effectChooser->SetFolder(path.isEmpty() ? Text(paths_.program_directory) : QFileInfo(path).path());
  } else {
    effectChooser->SelectFile(path);
  }
  ShowEventFile();
}

void SoundDialog::ChooseEffectFile(const QString& path) {
  const std::string chosen = path.toStdString();
  const std::string effect = JoinFolderFile(FolderOf(chosen), FileNameOf(chosen));
  if (RefuseUnstorablePath(this, windowTitle(), effect)) return;
  EffectFile(settings_, SelectedEvent()) = effect;
  ShowEventFile();
}

void SoundDialog::PlayEffectPreview(const QString& path) {
  // The window plays the file itself, whatever the sound switch says.
  if (!preview_) preview_ = std::make_unique<EffectPlayer>();
  last_preview_ = preview_->PlayEffect(path.toStdString(), true);
}

void SoundDialog::RemovePieceAt(QListWidgetItem* item) {
  pieceList->setCurrentItem(item);
  RemovePiece();
}

void SoundDialog::AddPiece() {
  const std::string chosen = pieceChooser->SelectedPath().toStdString();
  if (chosen.empty()) return;
  const std::string piece = JoinFolderFile(FolderOf(chosen), FileNameOf(chosen));
  if (RefuseUnstorablePath(this, windowTitle(), piece)) return;
  if (!AddBgm(settings_, entries_, piece)) return;
  ShowBgmList();
  pieceList->setCurrentRow(entries_ - 1);
  UpdateButtons();
}

void SoundDialog::AddOwnPieces() {
  // The pieces that come with the program, those not listed yet, as far as
  // the list has room.
  for (const std::string& piece : OwnPiecePaths(paths_.program_directory)) {
    const auto listed = settings_.BgmList.begin() + 1;
    if (std::find(listed, listed + entries_, piece) != listed + entries_) continue;
    if (!QFileInfo(Text(piece)).isFile() || !PathIsStorable(piece)) continue;
    if (!AddBgm(settings_, entries_, piece)) break;
  }
  ShowBgmList();
  if (entries_ > 0) pieceList->setCurrentRow(entries_ - 1);
  UpdateButtons();
}

void SoundDialog::RemovePiece() {
  const int row = pieceList->currentRow();
  if (!RemoveBgm(settings_, entries_, row + 1)) return;
  ShowBgmList();
  if (entries_ > 0) pieceList->setCurrentRow(std::min(row, entries_ - 1));
  UpdateButtons();
}

void SoundDialog::ResetEffects() {
  ResetEffectFiles(settings_, paths_.program_directory);
  ShowEventChoice();
}

void SoundDialog::OnOk() {
  settings_.BgmCount = ConfirmedBgmCount(settings_, entries_);
  KeepSoundChoices(settings_, state_.settings);
  state_.window.BgmTrack = 1;
  QtSettingsHost host(this);
  WriteSettings(state_, paths_, host);
  accept();
}

bool SoundDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == effectFileLabel) {
    // The path is shortened in its middle to the room the label has.
    if (event->type() == QEvent::Resize) ShowEventFile();
  }
  return QDialog::eventFilter(watched, event);
}

bool OpenSoundSettings(QWidget* parent, GameState& state, const ProgramPaths& paths, Music& music) {
  const bool sound_was_on = state.settings.SoundMode != 0;
  SoundDialog window(state, paths, parent);
  const bool confirmed = AwaitDialog(window) == QDialog::Accepted;
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
