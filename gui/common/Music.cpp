#include "gui/common/Music.h"

#include <malloc.h>

#include <QAction>
#include <QMenu>
#include <QMetaObject>
#include <QStringList>
#include <algorithm>
#include <atomic>
#include <utility>

#include "sound/AudioDevice.h"
#include "gui/common/Messages.h"
#include "sound/AudioModule.h"
#include <QCoreApplication>

namespace winpiruk {
namespace {

// The end of a piece is seen on the audio thread, which has no context: it
// reaches the one music player through this pointer and hands the news to
// the window thread.
std::atomic<Music*> hook_target{nullptr};
std::atomic<int> hook_generation{0};

void MusicFinishedHook() {
  if (Music* music = hook_target.load()) {
    QMetaObject::invokeMethod(music, "PieceFinished", Qt::QueuedConnection, Q_ARG(int, hook_generation.load()));
  }
}

// Reads a piece for the device, which is held meanwhile.
std::unique_ptr<AudioPiece> ReadPiece(const std::string& path) {
  AudioBackend* audio = Audio();
  return audio != nullptr ? audio->LoadPiece(path) : nullptr;
}

}  // namespace

// The mixer's music stream: one piece open at a time. The device is held
// while a piece plays or stands paused (so that it keeps its place), and
// for the moment a file is read.
class MixerSequencer : public Sequencer {
 public:
  MixerSequencer() = default;
  ~MixerSequencer() override { Close(); }
  MixerSequencer(const MixerSequencer&) = delete;
  MixerSequencer& operator=(const MixerSequencer&) = delete;

  bool Open(const std::string& path) override {
    Close();
    if (path.empty()) return false;
    Load(path);
    if (!piece_) return false;
    path_ = path;
    mode_ = SequencerMode::Stopped;
    return true;
  }

  void Play() override {
    if (mode_ == SequencerMode::Paused) {
      ++hook_generation;
      piece_->SetPaused(false);
      mode_ = SequencerMode::Playing;
    } else if (Mode() == SequencerMode::Stopped) {
      ++hook_generation;
      if (unloaded_ && !Reload()) return;
      piece_->Stop();
      if (!device_.Hold()) return;
      piece_->Start(&MusicFinishedHook);
      mode_ = SequencerMode::Playing;
    }
  }

  void Pause() override {
    if (Mode() != SequencerMode::Playing) return;
    piece_->SetPaused(true);
    mode_ = SequencerMode::Paused;
  }

  void Stop() override {
    if (mode_ != SequencerMode::Playing && mode_ != SequencerMode::Paused) return;
    ++hook_generation;
    piece_->Stop();
    mode_ = SequencerMode::Stopped;
    device_.Release();
  }

  SequencerMode Mode() const override {
    // The finished news may still be on its way to the window thread.
    if (mode_ == SequencerMode::Playing && piece_->Ended()) return SequencerMode::Stopped;
    return mode_;
  }

  // A piece ended by itself (not by a later command).
  bool Finished(int generation) {
    if (generation != hook_generation.load() || mode_ != SequencerMode::Playing) return false;
    piece_->Stop();
    mode_ = SequencerMode::Stopped;
    device_.Release();
    return true;
  }

  // Pieces read ahead: the next Open of one of these files takes it as it
  // is (a file that could not be read fails again without a second try).
  void Prepare(std::vector<PreparedPiece> pieces) { prepared_ = std::move(pieces); }
  void DropPrepared() { prepared_.clear(); }

  std::string Driver() const { return device_.Driver(); }
  bool HoldsDevice() const { return device_.Held(); }

  // A stopped piece lets its synthesizer go; it stays ready, and the next
  // Play reads it again (a read prepared ahead is taken).
  bool Unload() {
    if (mode_ != SequencerMode::Stopped || !piece_) return false;
    piece_.reset();
    unloaded_ = true;
    return true;
  }
  bool Unloaded() const { return unloaded_; }
  const std::string& Path() const { return path_; }

 private:
  bool Reload() {
    Load(path_);
    unloaded_ = piece_ == nullptr;
    return !unloaded_;
  }

  // The piece of `path`: the one read ahead, else read now with the device
  // held; null when it cannot be read.
  void Load(const std::string& path) {
    if (TakePrepared(path) || !device_.Hold()) return;
    piece_ = ReadPiece(path);
    device_.Release();
  }

  bool TakePrepared(const std::string& path) {
    auto found = std::find_if(prepared_.begin(), prepared_.end(),
                              [&path](const PreparedPiece& piece) { return piece.path == path; });
    if (found == prepared_.end()) return false;
    piece_ = std::move(found->piece);
    prepared_.erase(found);
    return true;
  }

  void Close() {
    if (!piece_ && !unloaded_) return;
    ++hook_generation;
    piece_.reset();
    unloaded_ = false;
    mode_ = SequencerMode::NotReady;
    device_.Release();
  }

  AudioDevice device_;
  std::unique_ptr<AudioPiece> piece_;
  std::string path_;
  bool unloaded_ = false;
  SequencerMode mode_ = SequencerMode::NotReady;
  std::vector<PreparedPiece> prepared_;
};

std::vector<PreparedPiece> ReadFirstPlayable(const std::vector<std::string>& paths) {
  std::vector<PreparedPiece> pieces;
  for (const std::string& path : paths) {
    if (path.empty()) continue;
    pieces.push_back({path, ReadPiece(path)});
    if (pieces.back().piece) break;
  }
  return pieces;
}

Music::Music(GameState& state, QObject* parent)
    : QObject(parent),
      state_(state),
      sequencer_(std::make_unique<MixerSequencer>()),
      player_(std::make_unique<BgmPlayer>(state, *sequencer_)) {
  setObjectName(QStringLiteral("MMControl1"));
  hook_target.store(this);
}

Music::~Music() {
  if (loader_.joinable()) loader_.join();
  // After this no piece plays, so no end is told.
  sequencer_.reset();
  hook_target.store(nullptr);
}

SequencerMode Music::Mode() const { return sequencer_->Mode(); }

std::string Music::Driver() const { return sequencer_->Driver(); }

bool Music::HoldsDevice() const { return sequencer_->HoldsDevice(); }

void Music::OpenAndPlayInBackground() {
  if (loader_.joinable() || Ready()) return;
  std::vector<std::string> paths = player_->OpeningOrder();
  const bool any = std::any_of(paths.begin(), paths.end(), [](const std::string& path) { return !path.empty(); });
  // The device stays open while the worker reads, so no format changes under it.
  if (any && ReadInBackground(std::move(paths), [this] {
        player_->OpenMusic();
        player_->PlayMusic();
      })) {
    return;
  }
  OpenMusic();
  PlayMusic();
}

bool Music::ReadInBackground(std::vector<std::string> paths, std::function<void()> then) {
  // The device stays open while the worker reads, so no format changes under it.
  if (!loading_device_.Hold()) return false;
  after_read_ = std::move(then);
  loader_ = std::thread([this, paths = std::move(paths)] {
    read_ahead_ = ReadFirstPlayable(paths);
    QMetaObject::invokeMethod(this, [this] { FinishLoading(); }, Qt::QueuedConnection);
  });
  return true;
}

bool Music::Loading() const { return loader_.joinable(); }

void Music::FinishLoading() {
  if (!loader_.joinable()) return;
  loader_.join();
  sequencer_->Prepare(std::move(read_ahead_));
  read_ahead_.clear();
  std::exchange(after_read_, {})();
  sequencer_->DropPrepared();
  loading_device_.Release();
  // The read's scratch (the file, the sound font's tables before they were
  // sorted) went back to the allocator: give its pages back to the system.
  malloc_trim(0);
  AfterOperation();
}

void Music::PieceFinished(int generation) {
  if (sequencer_->Finished(generation)) emit PieceEnded();
}

void Music::AfterOperation() {
  const bool ready = Ready();
  if (ready == ready_shown_) return;
  ready_shown_ = ready;
  emit ReadyChanged(ready);
}

void Music::OpenMusic() {
  FinishLoading();
  player_->OpenMusic();
  AfterOperation();
}

void Music::PlayMusic() {
  FinishLoading();
  // A piece let go while stopped is read again off the window thread.
  const bool wanted = state_.settings.SoundMode != 0 && BgmAvailable();
  if (wanted && sequencer_->Unloaded() &&
      ReadInBackground({sequencer_->Path()}, [this] { player_->PlayMusic(); })) {
    return;
  }
  player_->PlayMusic();
  AfterOperation();
}

void Music::StopMusic() {
  FinishLoading();
  player_->StopMusic();
  // Nothing plays: the synthesizer and the sound font's tables go until the
  // music starts again.
  if (sequencer_->Unload()) malloc_trim(0);
  AfterOperation();
}

void Music::CheckMusic() {
  // A piece being read is about to play: there is nothing to check yet.
  if (Loading()) return;
  // The piece after an ended one is read off the window thread too, so the
  // table does not stop while its file and instruments load.
  std::vector<std::string> paths = player_->FollowingOrder();
  if (!paths.empty() && ReadInBackground(std::move(paths), [this] { player_->CheckMusic(); })) return;
  player_->CheckMusic();
  AfterOperation();
}

void Music::FollowRuleSet(QWidget* parent) {
  FinishLoading();
  player_->FollowRuleSet();
  AfterOperation();
  TellUnplayable(parent);
}

void Music::RetryOpenMusic() {
  FinishLoading();
  player_->RetryOpenMusic();
  AfterOperation();
}

void Music::PauseOrResume() {
  FinishLoading();
  player_->TogglePause();
  AfterOperation();
}

void Music::NextPiece(QWidget* parent) {
  FinishLoading();
  player_->NextPiece();
  AfterOperation();
  TellUnplayable(parent);
}

void Music::PreviousPiece(QWidget* parent) {
  FinishLoading();
  player_->PreviousPiece();
  AfterOperation();
  TellUnplayable(parent);
}

void Music::TellUnplayable(QWidget* parent) {
  if (Unplayable().empty()) return;
  ShowMessage(parent, ProgramTitle(), UnplayableMusicText(Unplayable()), QMessageBox::Warning);
}

QString UnplayableMusicText(const std::vector<std::string>& paths) {
  QStringList lines;
  for (const std::string& path : paths) {
    lines << QCoreApplication::translate("Music", "「 %1 」というBGMファイルを開けません。").arg(QString::fromStdString(path));
  }
  return lines.join(QLatin1Char('\n'));
}

void ConnectMusicControls(Music& music, QWidget* window, QMenu* BGMC, QAction* Pause, QAction* Next, QAction* Back) {
  BGMC->menuAction()->setEnabled(music.Ready());
  QObject::connect(&music, &Music::ReadyChanged, BGMC->menuAction(), &QAction::setEnabled);
  QObject::connect(Pause, &QAction::triggered, &music, [&music] { music.PauseOrResume(); });
  QObject::connect(Next, &QAction::triggered, &music, [&music, window] { music.NextPiece(window); });
  QObject::connect(Back, &QAction::triggered, &music, [&music, window] { music.PreviousPiece(window); });
}

}  // namespace winpiruk
