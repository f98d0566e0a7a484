#pragma once
// The sound settings window: sound on or off, the effect file of each
// event, and the music list. Cancel puts the files and the list back as
// they were when the window opened; OK writes the settings file.
#include <QDialog>
#include <memory>

#include "config/ProgramPaths.h"
#include "config/SoundSettings.h"
#include "state/GameState.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListView;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTreeView;

namespace winpiruk {

class EffectPlayer;
class FileChooser;
class Music;

class SoundDialog : public QDialog {
  Q_OBJECT

 public:
  SoundDialog(GameState& state, const ProgramPaths& paths, QWidget* parent = nullptr);
  ~SoundDialog() override;

  QCheckBox* Check1 = nullptr;
  QGroupBox* Frame1 = nullptr;  // "効果音 ｲﾍﾞﾝﾄ場面 (*.wav)"
  QListWidget* List1 = nullptr;
  QComboBox* Drive1 = nullptr;
  QTreeView* Dir1 = nullptr;
  QListView* File1 = nullptr;
  QLabel* PathLabel = nullptr;  // the chosen event's file, in full
  QPushButton* Command3D5 = nullptr;
  QGroupBox* Frame2 = nullptr;  // "BGMﾌｧｲﾙ (*.mid)"
  QComboBox* Drive2 = nullptr;
  QTreeView* Dir2 = nullptr;
  QListView* File2 = nullptr;
  QListWidget* List2 = nullptr;
  QPushButton* Command3D3 = nullptr;
  QPushButton* Command3D4 = nullptr;
  QPushButton* Command3D1 = nullptr;
  QPushButton* Command3D2 = nullptr;
  FileChooser* Effects = nullptr;
  FileChooser* Pieces = nullptr;

  // The list's entries (slots 1..BgmEntries of the music list).
  int BgmEntries() const { return entries_; }
  // What the last double click on an effect file asked to play (the result
  // of the play request: nonzero when it plays).
  int LastPreviewResult() const { return last_preview_; }

  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildEffectsFrame();
  void BuildMusicFrame();
  void BuildClosingRow();
  void ShowOpeningChoices();
  void ConnectControls();
  SoundEvent SelectedEvent() const;
  void ShowEventFile();
  void ShowBgmList();
  void Check1_Click(bool checked);
  void List1_Click();
  void File1_Click(const QString& path);
  void File1_DblClick(const QString& path);
  void File2_DblClick();
  void List2_DblClick(QListWidgetItem* item);
  void Command3D3_Click();
  void Command3D4_Click();
  void Command3D5_Click();
  void Command3D1_Click();
  void UpdateButtons();

  GameState& state_;
  ProgramPaths paths_;
  SoundChoices at_open_;
  int entries_ = 0;
  int last_preview_ = 0;
  std::unique_ptr<EffectPlayer> preview_;
};

// "ｻｳﾝﾄﾞ設定(&M&ｵ)...": the window, modal. Afterwards the music stops when
// the sound is off, starts when the sound was switched on, and music that
// could not be opened is tried again with the confirmed list (a message
// names the files that cannot be opened). True when confirmed with OK.
bool OpenSoundSettings(QWidget* parent, GameState& state, const ProgramPaths& paths, Music& music);

}  // namespace winpiruk
