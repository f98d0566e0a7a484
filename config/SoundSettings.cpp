#include "config/SoundSettings.h"

#include <algorithm>

#include "config/StorablePath.h"
#include "state/Translation.h"

namespace winpiruk {
namespace {

constexpr std::array<const char*, kSoundEvents> kCaptions = {
    TrNoop("SoundSettings", "ぴるく"),       TrNoop("SoundSettings", "ぴるくがえし"), TrNoop("SoundSettings", "イニシャル"),
    TrNoop("SoundSettings", "10枚オーバー"), TrNoop("SoundSettings", "ノーゲーム"),   TrNoop("SoundSettings", "ゲームオーバー"),
    TrNoop("SoundSettings", "ｶｰﾄﾞ配布/捨て")};

template <class S>
auto& FileOf(S& settings, SoundEvent event) {
  switch (event) {
    case SoundEvent::Piruk: return settings.PirukSound;
    case SoundEvent::PirukGaeshi: return settings.PirukGaeshiSound;
    case SoundEvent::Initial: return settings.InitialSound;
    case SoundEvent::CardOver: return settings.CardOverSound;
    case SoundEvent::NoGame: return settings.NoGameSound;
    case SoundEvent::GameOver: return settings.GameOverSound;
    case SoundEvent::CardOperate: break;
  }
  return settings.CardOperateSound;
}

}  // namespace

const char* SoundEventCaption(SoundEvent event) { return kCaptions.at(static_cast<size_t>(event)); }

std::string& EffectFile(Settings& settings, SoundEvent event) { return FileOf(settings, event); }

const std::string& EffectFile(const Settings& settings, SoundEvent event) { return FileOf(settings, event); }

Settings StorableDefaultSettings(const std::string& program_directory) {
  Settings defaults = DefaultSettings(program_directory);
  for (int i = 0; i < kSoundEvents; ++i) {
    std::string& effect = EffectFile(defaults, SoundEvent(i));
    if (!PathIsStorable(effect)) effect.clear();
  }
  return defaults;
}

void ResetEffectFiles(Settings& settings, const std::string& program_directory) {
  const Settings defaults = StorableDefaultSettings(program_directory);
  for (int i = 0; i < kSoundEvents; ++i) {
    EffectFile(settings, SoundEvent(i)) = EffectFile(defaults, SoundEvent(i));
  }
}

void KeepSoundChoices(const Settings& chosen, Settings& settings) {
  for (int i = 0; i < kSoundEvents; ++i) EffectFile(settings, SoundEvent(i)) = EffectFile(chosen, SoundEvent(i));
  settings.BgmList = chosen.BgmList;
  settings.BgmCount = chosen.BgmCount;
}

int BgmEntries(const Settings& settings) { return std::clamp<int>(settings.BgmCount, 0, kMaxBgm); }

bool AddBgm(Settings& settings, int& entries, const std::string& path) {
  if (entries < 0 || entries >= kMaxBgm) return false;
  ++entries;
  settings.BgmList.at(static_cast<size_t>(entries)) = path;
  return true;
}

bool RemoveBgm(Settings& settings, int& entries, int slot) {
  if (slot < 1 || slot > entries || slot > kMaxBgm) return false;
  for (int s = slot; s < kMaxBgm; ++s) {
    settings.BgmList.at(static_cast<size_t>(s)) = settings.BgmList.at(static_cast<size_t>(s + 1));
  }
  settings.BgmList.at(kMaxBgm).clear();
  --entries;
  return true;
}

int16_t ConfirmedBgmCount(const Settings& settings, int entries) {
  int count = std::clamp(entries, 0, kMaxBgm);
  if (count < kMaxBgm && !settings.BgmList.at(static_cast<size_t>(count + 1)).empty()) ++count;
  return static_cast<int16_t>(count);
}

int NextTrack(int track, int count) { return track + 1 > count ? 1 : track + 1; }

int PreviousTrack(int track, int count) { return track <= 1 ? count : track - 1; }

}  // namespace winpiruk
