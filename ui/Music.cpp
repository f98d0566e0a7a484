#include "ui/Music.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QAction>
#include <QMenu>
#include <QMetaObject>
#include <QStringList>
#include <atomic>

#include "ui/AudioDevice.h"
#include "ui/Messages.h"
#include "ui/TablePicture.h"

namespace winpiruk {
namespace {

// The mixer's finished hook carries no context and runs on the audio
// thread: it reaches the one music player through this pointer and hands
// the news to the window thread.
std::atomic<Music*> hook_target{nullptr};
std::atomic<int> hook_generation{0};

void MusicFinishedHook() {
  if (Music* music = hook_target.load()) {
    QMetaObject::invokeMethod(music, "PieceFinished", Qt::QueuedConnection, Q_ARG(int, hook_generation.load()));
  }
}

}  // namespace

// The mixer's music channel: one piece open at a time.
class SdlSequencer : public Sequencer {
 public:
  SdlSequencer() = default;
  ~SdlSequencer() override { Close(); }
  SdlSequencer(const SdlSequencer&) = delete;
  SdlSequencer& operator=(const SdlSequencer&) = delete;

  bool Open(const std::string& path) override {
    Close();
    if (path.empty() || !device_.IsOpen()) return false;
    music_ = Mix_LoadMUS(path.c_str());
    if (music_ == nullptr) return false;
    mode_ = SequencerMode::Stopped;
    return true;
  }

  void Play() override {
    if (mode_ == SequencerMode::Paused) {
      ++hook_generation;
      Mix_ResumeMusic();
      mode_ = SequencerMode::Playing;
    } else if (Mode() == SequencerMode::Stopped) {
      ++hook_generation;
      mode_ = Mix_PlayMusic(music_, 1) == 0 ? SequencerMode::Playing : SequencerMode::Stopped;
    }
  }

  void Pause() override {
    if (Mode() != SequencerMode::Playing) return;
    Mix_PauseMusic();
    mode_ = SequencerMode::Paused;
  }

  void Stop() override {
    if (mode_ != SequencerMode::Playing && mode_ != SequencerMode::Paused) return;
    ++hook_generation;
    Mix_HaltMusic();
    mode_ = SequencerMode::Stopped;
  }

  SequencerMode Mode() const override {
    // The finished news may still be on its way to the window thread.
    if (mode_ == SequencerMode::Playing && Mix_PlayingMusic() == 0) return SequencerMode::Stopped;
    return mode_;
  }

  // A piece ended by itself (not by a later command).
  bool Finished(int generation) {
    if (generation != hook_generation.load() || mode_ != SequencerMode::Playing) return false;
    mode_ = SequencerMode::Stopped;
    return true;
  }

  std::string Driver() const { return device_.Driver(); }

 private:
  void Close() {
    if (music_ == nullptr) return;
    ++hook_generation;
    Mix_HaltMusic();
    Mix_FreeMusic(music_);
    music_ = nullptr;
    mode_ = SequencerMode::NotReady;
  }

  AudioDevice device_;
  Mix_Music* music_ = nullptr;
  SequencerMode mode_ = SequencerMode::NotReady;
};

Music::Music(Piruk930& state, QObject* parent)
    : QObject(parent),
      sequencer_(std::make_unique<SdlSequencer>()),
      player_(std::make_unique<BgmPlayer>(state, *sequencer_)) {
  setObjectName(QStringLiteral("MMControl1"));
  hook_target.store(this);
  Mix_HookMusicFinished(&MusicFinishedHook);
}

Music::~Music() {
  // After this no hook runs: the mixer takes its lock to change the hook.
  Mix_HookMusicFinished(nullptr);
  hook_target.store(nullptr);
}

SequencerMode Music::Mode() const { return sequencer_->Mode(); }

std::string Music::Driver() const { return sequencer_->Driver(); }

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
  player_->OpenMusic();
  AfterOperation();
}

void Music::PlayMusic() {
  player_->PlayMusic();
  AfterOperation();
}

void Music::StopMusic() {
  player_->StopMusic();
  AfterOperation();
}

void Music::CheckMusic() {
  player_->CheckMusic();
  AfterOperation();
}

void Music::FollowRuleSet(QWidget* parent) {
  player_->FollowRuleSet();
  AfterOperation();
  TellUnplayable(parent);
}

void Music::RetryOpenMusic() {
  player_->RetryOpenMusic();
  AfterOperation();
}

void Music::Pause_Click() {
  player_->TogglePause();
  AfterOperation();
}

void Music::Next_Click(QWidget* parent) {
  player_->NextPiece();
  AfterOperation();
  TellUnplayable(parent);
}

void Music::Back_Click(QWidget* parent) {
  player_->PreviousPiece();
  AfterOperation();
  TellUnplayable(parent);
}

void Music::TellUnplayable(QWidget* parent) {
  if (Unplayable().empty()) return;
  ShowMessage(parent, kProgramTitle, UnplayableMusicText(Unplayable()), QMessageBox::Warning);
}

QString UnplayableMusicText(const std::vector<std::string>& paths) {
  QStringList lines;
  for (const std::string& path : paths) {
    lines << QStringLiteral("「 ") + QString::fromStdString(path) + QStringLiteral(" 」というBGMファイルを開けません。");
  }
  return lines.join(QLatin1Char('\n'));
}

void ConnectMusicControls(Music& music, QWidget* window, QMenu* BGMC, QAction* Pause, QAction* Next, QAction* Back,
                          TablePicture* Picture41) {
  BGMC->menuAction()->setEnabled(music.Ready());
  QObject::connect(&music, &Music::ReadyChanged, BGMC->menuAction(), &QAction::setEnabled);
  QObject::connect(Pause, &QAction::triggered, &music, [&music] { music.Pause_Click(); });
  QObject::connect(Next, &QAction::triggered, &music, [&music, window] { music.Next_Click(window); });
  QObject::connect(Back, &QAction::triggered, &music, [&music, window] { music.Back_Click(window); });
  if (Picture41 != nullptr) {
    QObject::connect(Picture41, &TablePicture::doubleClicked, &music,
                     [&music, window] { music.Picture41_DblClick(window); });
  }
}

}  // namespace winpiruk
