#pragma once
// The sound settings as the sound window edits them: the seven effect files
// by event, the music list, and what OK keeps.
#include <array>
#include <cstdint>
#include <string>

#include "state/Settings.h"

namespace winpiruk {

// The events with an effect, in the order the sound window lists them.
enum class SoundEvent { Piruk, PirukGaeshi, Initial, CardOver, NoGame, GameOver, CardOperate };
constexpr int kSoundEvents = 7;

// "ぴるく", "ぴるくがえし", "イニシャル", "10枚オーバー", "ノーゲーム",
// "ゲームオーバー", "ｶｰﾄﾞ配布/捨て": source texts, shown through
// Tr("SoundSettings", caption).
const char* SoundEventCaption(SoundEvent event);
std::string& EffectFile(Settings& settings, SoundEvent event);
const std::string& EffectFile(const Settings& settings, SoundEvent event);

// The settings' defaults as the settings file can hold them: an effect file
// whose path it cannot give back (the program installed under a folder whose
// name CP932 lacks) is left empty, so no sound, rather than stored as "?".
Settings StorableDefaultSettings(const std::string& program_directory);

// The seven effect files back to the program's own sounds, as far as the
// settings file can hold their paths.
void ResetEffectFiles(Settings& settings, const std::string& program_directory);

// The sound window's choices kept on OK: the effect files and the music
// list of `chosen` go to `settings`, nothing else does.
void KeepSoundChoices(const Settings& chosen, Settings& settings);

// The music list as the window shows it: `entries` names in slots
// 1..entries of BgmList.
//
// The number of entries the window lists at opening.
int BgmEntries(const Settings& settings);
// Stores a path after the last entry; false (and nothing changed) when the
// list already holds ten.
bool AddBgm(Settings& settings, int& entries, const std::string& path);
// Removes the entry in `slot` (1..entries): the later slots move down by
// one and the last slot becomes empty. False for a slot outside the list.
bool RemoveBgm(Settings& settings, int& entries, int slot);
// BgmCount on OK: the entries, and one more when the slot after the last
// entry still holds a name.
int16_t ConfirmedBgmCount(const Settings& settings, int entries);

// Stepping through the music list of `count` pieces: after the last comes
// the first, before the first (or from anything below it) the last.
int NextTrack(int track, int count);
int PreviousTrack(int track, int count);

}  // namespace winpiruk
