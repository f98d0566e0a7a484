#include "presentation/BgmPlayer.h"

#include <algorithm>

#include "config/SoundSettings.h"

namespace winpiruk {
namespace {

int Count(const Settings& settings) { return std::clamp<int>(settings.BgmCount, 0, kMaxBgm); }

bool IsBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

}  // namespace

bool BgmPlayer::Usable() const { return available_ && state_.settings.SoundMode != 0; }

// Its callers have cleared the list of pieces that could not be opened.
void BgmPlayer::LoadTrack(int slot, int step) {
  const int count = Count(state_.settings);
  if (count < 1) return;
  state_.window.BgmTrack = static_cast<int16_t>(std::clamp(slot, 1, count));
  for (const std::string& path : TrackOrder(slot, step)) {
    if (sequencer_.Open(path)) {
      // A new piece starts playing, so the next pause press pauses it.
      paused_ = 0;
      sequencer_.Play();
      return;
    }
    unplayable_.push_back(path);
    state_.window.BgmTrack = static_cast<int16_t>(step > 0 ? NextTrack(state_.window.BgmTrack, count)
                                                    : PreviousTrack(state_.window.BgmTrack, count));
  }
}

std::vector<std::string> BgmPlayer::TrackOrder(int slot, int step) const {
  const Settings& s = state_.settings;
  const int count = Count(s);
  std::vector<std::string> paths;
  if (count < 1) return paths;
  slot = std::clamp(slot, 1, count);
  for (int tried = 0; tried < count; ++tried) {
    paths.push_back(s.BgmList.at(static_cast<size_t>(slot)));
    slot = step > 0 ? NextTrack(slot, count) : PreviousTrack(slot, count);
  }
  return paths;
}

void BgmPlayer::OpenMusic() {
  unplayable_.clear();
  // The piece waits, stopped, for PlayMusic.
  int slot = 0;
  for (const std::string& path : OpeningOrder()) {
    ++slot;
    if (!path.empty() && sequencer_.Open(path)) {
      state_.window.BgmTrack = static_cast<int16_t>(slot);
      available_ = sequencer_.Mode() != SequencerMode::NotReady;
      return;
    }
    unplayable_.push_back(path);
  }
  available_ = false;
}

std::vector<std::string> BgmPlayer::OpeningOrder() const {
  const Settings& s = state_.settings;
  std::vector<std::string> paths;
  for (int slot = 1; slot <= std::max(Count(s), 1); ++slot) paths.push_back(s.BgmList.at(static_cast<size_t>(slot)));
  return paths;
}

void BgmPlayer::RetryOpenMusic() {
  if (!available_) OpenMusic();
}

void BgmPlayer::PlayMusic() {
  if (Usable() && Ready()) sequencer_.Play();
}

void BgmPlayer::StopMusic() {
  if (available_ && Ready()) sequencer_.Stop();
}

void BgmPlayer::FollowRuleSet() {
  unplayable_.clear();
  const std::string& first = state_.settings.BgmList.at(1);
  if (IsBlank(first)) StopMusic();
  if (state_.settings.SoundMode == 0 || !state_.match.MatchInProgress) return;
  state_.window.BgmTrack = 1;
  // The new list may bring music where none could be opened at start-up.
  if (!sequencer_.Open(first)) {
    if (!IsBlank(first)) unplayable_.push_back(first);
    return;
  }
  available_ = true;
  paused_ = 0;
  sequencer_.Play();
}

void BgmPlayer::CheckMusic() {
  unplayable_.clear();
  if (!PieceEnded()) return;
  LoadTrack(NextTrack(state_.window.BgmTrack, Count(state_.settings)), +1);
}

std::vector<std::string> BgmPlayer::FollowingOrder() const {
  if (!PieceEnded()) return {};
  return TrackOrder(NextTrack(state_.window.BgmTrack, Count(state_.settings)), +1);
}

bool BgmPlayer::PieceEnded() const {
  return Usable() && Count(state_.settings) >= 1 && sequencer_.Mode() == SequencerMode::Stopped;
}

void BgmPlayer::TogglePause() {
  unplayable_.clear();
  if (!Usable()) return;
  paused_ = static_cast<int16_t>(1 - paused_);
  if (paused_ == 1) {
    sequencer_.Pause();
  } else if (Ready()) {
    sequencer_.Play();
  }
}

void BgmPlayer::NextPiece() {
  unplayable_.clear();
  if (!Usable()) return;
  LoadTrack(NextTrack(state_.window.BgmTrack, Count(state_.settings)), +1);
}

void BgmPlayer::PreviousPiece() {
  unplayable_.clear();
  if (!Usable()) return;
  LoadTrack(PreviousTrack(state_.window.BgmTrack, Count(state_.settings)), -1);
}

}  // namespace winpiruk
