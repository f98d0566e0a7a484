#include "sound/Sound.h"

#include "sound/AudioModule.h"

namespace winpiruk {
namespace {

// The mixer's channels, enough for effects that overlap.
constexpr int kChannels = 16;
// What the device still has queued after a channel ends (a 1024-frame
// buffer is a few tens of milliseconds), and the wait between looks when an
// effect is still playing at its expected end.
constexpr int kTailMs = 60;

}  // namespace

EffectPlayer::EffectPlayer() {
  release_timer_.setSingleShot(true);
  QObject::connect(&release_timer_, &QTimer::timeout, [this] { ReleaseWhenSilent(); });
}

EffectPlayer::~EffectPlayer() {
  if (device_.Held()) Audio()->HaltEffects();
  chunks_.clear();
}

bool EffectPlayer::Open() {
  if (!device_.Hold()) return false;
  Audio()->EnsureChannels(kChannels);
  return true;
}

void EffectPlayer::ReleaseWhenSilent() {
  if (device_.Held() && Audio()->PlayingChannels() > 0) {
    WatchUntil(kTailMs);
    return;
  }
  device_.Release();
}

void EffectPlayer::WatchUntil(int milliseconds) {
  if (release_timer_.isActive() && release_timer_.remainingTime() >= milliseconds) return;
  release_timer_.start(milliseconds);
}

int EffectPlayer::PlayEffect(const std::string& path, bool sound_on) {
  last_result_ = 0;
  if (!sound_on || path.empty() || !Open()) return last_result_;
  auto found = chunks_.find(path);
  if (found == chunks_.end()) {
    // A missing file is remembered as such, so it is not looked for on every card.
    found = chunks_.emplace(path, Audio()->LoadClip(path)).first;
  }
  if (found->second && found->second->Play()) last_result_ = 1;
  // Nothing started: the device goes as soon as the other effects end.
  WatchUntil(last_result_ != 0 ? found->second->LengthMs() + kTailMs : 0);
  return last_result_;
}

}  // namespace winpiruk
