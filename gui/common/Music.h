#pragma once
// The table's background music: the pieces of the settings' music list
// played through the mixer's MIDI sequencer, and the handlers of the music
// menu and the music picture.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "presentation/BgmPlayer.h"
#include "state/GameState.h"
#include "sound/AudioBackend.h"
#include "sound/AudioDevice.h"

class QAction;
class QMenu;
class QWidget;

namespace winpiruk {

class MixerSequencer;

// A file read ahead of the music list's first Open; `piece` is null when it
// could not be read.
struct PreparedPiece {
  std::string path;
  std::unique_ptr<AudioPiece> piece;
};
// Reads the files in order up to the first that opens.
std::vector<PreparedPiece> ReadFirstPlayable(const std::vector<std::string>& paths);

class Music : public QObject {
  Q_OBJECT

 public:
  explicit Music(GameState& state, QObject* parent = nullptr);
  ~Music() override;

  // Start-up: open the first piece of the list, later start it.
  void OpenMusic();
  void PlayMusic();
  // Start-up, once the table is on screen: both of the above, with the
  // files (and the sound font behind them) read on a worker thread, so the
  // table answers meanwhile. The menu enables itself when the piece is
  // ready; any other operation in the meantime waits for the read. A piece
  // stopped lets its synthesizer go, and PlayMusic reads it again the same way.
  void OpenAndPlayInBackground();
  bool Loading() const;
  // A hand ends, a new game starts, the sound was switched off.
  void StopMusic();
  // Every change of the seat to move: an ended piece is followed by the
  // next, read on a worker thread as at start-up.
  void CheckMusic();
  // A rule set was loaded: the music follows its list (a first piece that
  // cannot be opened is told over `parent`).
  void FollowRuleSet(QWidget* parent);
  // The list was changed in the sound window: music that could not be
  // opened before is tried again.
  void RetryOpenMusic();

  // "一時停止/解除(&P&ﾎ)", "1曲進む(&N&ﾂ)", "1曲戻す(&B&ﾓ)" and a double
  // click on the music picture. A piece that cannot be opened is passed
  // over; `parent` is told which files could not be opened.
  void PauseOrResume();
  void NextPiece(QWidget* parent);
  void PreviousPiece(QWidget* parent);

  bool BgmAvailable() const { return player_->BgmAvailable(); }
  int16_t BgmPaused() const { return player_->BgmPaused(); }
  // A piece is open: the music menu is enabled only then.
  bool Ready() const { return player_->Ready(); }
  SequencerMode Mode() const;
  // The files the last operation could not open.
  const std::vector<std::string>& Unplayable() const { return player_->Unplayable(); }
  // The audio driver ("dummy" without a sound device; empty when none opened).
  std::string Driver() const;
  // Whether the music holds the audio device (a piece plays or is paused).
  bool HoldsDevice() const;

 signals:
  // The music menu's state follows this.
  void ReadyChanged(bool ready);
  // A piece played to its end.
  void PieceEnded();

 private:
  Q_INVOKABLE void PieceFinished(int generation);
  void AfterOperation();
  // Reads `paths` on a worker thread (see ReadFirstPlayable), then runs
  // `then` on the window thread with the result prepared; false when the
  // device cannot be opened to read for.
  bool ReadInBackground(std::vector<std::string> paths, std::function<void()> then);
  void FinishLoading();
  void TellUnplayable(QWidget* parent);

  GameState& state_;
  std::unique_ptr<MixerSequencer> sequencer_;
  std::unique_ptr<BgmPlayer> player_;
  bool ready_shown_ = false;
  // The read at start-up: the device held for it, the worker, its result.
  AudioDevice loading_device_;
  std::thread loader_;
  std::vector<PreparedPiece> read_ahead_;
  std::function<void()> after_read_;
};

// "「 path 」というBGMファイルを開けません。", one line per file.
QString UnplayableMusicText(const std::vector<std::string>& paths);

// Wires the music menu of the main window: the menu follows the music's
// ready state, its items reach the handlers above, messages appear over
// `window`.
void ConnectMusicControls(Music& music, QWidget* window, QMenu* BGMC, QAction* Pause, QAction* Next, QAction* Back);

}  // namespace winpiruk
