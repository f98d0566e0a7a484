#pragma once
// The sound settings window: sound on or off, how loud the effects and the
// music play, the effect file of each event, and the music list. The switch
// and the volumes act at once and stay as they are left, whichever way the
// window closes; the files and the list are edited on a copy that OK keeps
// and writes to the settings file, and Cancel leaves them as they were.
#include <QDialog>
#include <memory>

#include "config/ProgramPaths.h"
#include "config/SoundSettings.h"
#include "gui/common/WindowRuns.h"
#include "state/GameState.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSlider;

namespace winpiruk {

class EffectPlayer;
class FileChooser;
class Music;

class SoundDialog : public QDialog {
  Q_OBJECT

 public:
  SoundDialog(GameState& state, const ProgramPaths& paths, QWidget* parent = nullptr);
  ~SoundDialog() override;

  // What the last double click on an effect file asked to play (the result
  // of the play request: nonzero when it plays).
  int LastPreviewResult() const { return last_preview_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildVolumeFrame();
  void BuildEffectsFrame();
  void BuildMusicFrame();
  void BuildClosingRow();
  void ShowOpeningChoices();
  void ConnectControls();
  // The tip of a listed file that is not there.
  static QString MissingFileTip(const QString& path);
  SoundEvent SelectedEvent() const;
  void ShowEventFile();
  void ShowBgmList();
  void OnSoundSwitched(bool checked);
  void OnVolumeMoved();
  // The chooser moves to the chosen event's file.
  void ShowEventChoice();
  void ChooseEffectFile(const QString& path);
  void PlayEffectPreview(const QString& path);
  void RemovePieceAt(QListWidgetItem* item);
  void AddPiece();
  void AddOwnPieces();
  void RemovePiece();
  void ResetEffects();
  void OnOk();
  void UpdateButtons();

  QCheckBox* soundCheck = nullptr;
  QGroupBox* volumeFrame = nullptr;  // "音量"
  QSlider* effectsVolumeSlider = nullptr;
  QLabel* effectsVolumeLabel = nullptr;  // the effects' volume in percent
  QSlider* musicVolumeSlider = nullptr;
  QLabel* musicVolumeLabel = nullptr;
  QGroupBox* effectsFrame = nullptr;  // "効果音 ｲﾍﾞﾝﾄ場面 (*.wav)"
  QListWidget* eventList = nullptr;
  FileChooser* effectChooser = nullptr;
  QLabel* effectFileLabel = nullptr;  // the chosen event's file, in full
  QPushButton* resetEffectsButton = nullptr;
  QGroupBox* musicFrame = nullptr;  // "BGMﾌｧｲﾙ (*.mid)"
  QListWidget* pieceList = nullptr;
  QPushButton* addPieceButton = nullptr;
  QPushButton* removePieceButton = nullptr;
  QPushButton* ownPiecesButton = nullptr;
  FileChooser* pieceChooser = nullptr;
  QPushButton* okButton = nullptr;
  QPushButton* cancelButton = nullptr;

  GameState& state_;
  ProgramPaths paths_;
  // The window's copy of the settings; OK keeps its effect files and music list.
  Settings settings_;
  int entries_ = 0;
  int last_preview_ = 0;
  std::unique_ptr<EffectPlayer> preview_;
  WindowRuns runs_;  // the lists' and buttons' waits for a message
};

// "ｻｳﾝﾄﾞ設定(&M&ｵ)...": the window, window-modal over `parent` and waited
// for inside a run (see Awaiting.h). The volumes are the sound system's
// (CurrentSoundVolumes), changed there as the sliders move. Afterwards the music stops when
// the sound is off, starts when the sound was switched on, and music that
// could not be opened is tried again with the confirmed list (a message
// names the files that cannot be opened). True when confirmed with OK.
bool OpenSoundSettings(QWidget* parent, GameState& state, const ProgramPaths& paths, Music& music);

}  // namespace winpiruk
