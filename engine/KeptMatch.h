#pragma once
// The match the program was ended in, kept in a file of its own beside the
// settings file ("WinPirukMatch.ini") so that the next start can offer to
// continue it: the table and the match whole, the random source's state,
// the rules it was played by and who sat at the table. A file is taken
// whole or not at all; it is refused when it is damaged, of another
// version, or when the rules or the members are no longer those it was
// played with.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "config/ProgramPaths.h"
#include "engine/Random.h"
#include "state/GameState.h"

namespace winpiruk {

inline constexpr std::string_view kKeptMatchHeader = "WinPirukKeptMatch";
inline constexpr int kKeptMatchVersion = 1;
// Room for the longest member names (32767 characters, four seats each
// named twice) at the three bytes a character takes at most as written; a
// larger file is not read.
inline constexpr std::size_t kKeptMatchFileBytes = std::size_t{1} << 20;

// The settings that change how a match is played or scored. A kept match
// goes on only under the same values (as the settings record holds them).
struct MatchRules {
  int16_t SkipCard = 0, PenaltyCard = 0, PenaltyLeaves = 0, MoreDropCard = 0, MoreDropCardMode = 0;
  int16_t InverseCard = 0, BonusSwitch = 0, FinishMeans = 0, ExtraCardEnable = 0, RestrictTime = 0;
  int16_t YakitoriMode = 0, PirukConfirm = 0, PirukGaeshi = 0, NumberOfGames = 0, CardOpen = 0;
  int16_t AutoJudgment = 0, JudgmentWaitTime = 0, ManyCardBonus = 0, AceAliasJack = 0;

  bool operator==(const MatchRules&) const = default;
};

struct MatchRuleField {
  std::string_view name;  // the settings key
  int16_t MatchRules::*kept;
  int16_t Settings::*settings;
};

inline constexpr MatchRuleField kMatchRuleFields[] = {
    {"SkipCard", &MatchRules::SkipCard, &Settings::SkipCard},
    {"PenaltyCard", &MatchRules::PenaltyCard, &Settings::PenaltyCard},
    {"PenaltyLeaves", &MatchRules::PenaltyLeaves, &Settings::PenaltyLeaves},
    {"MoreDropCard", &MatchRules::MoreDropCard, &Settings::MoreDropCard},
    {"MoreDropCardMode", &MatchRules::MoreDropCardMode, &Settings::MoreDropCardMode},
    {"InverseCard", &MatchRules::InverseCard, &Settings::InverseCard},
    {"BonusSwitch", &MatchRules::BonusSwitch, &Settings::BonusSwitch},
    {"FinishMeans", &MatchRules::FinishMeans, &Settings::FinishMeans},
    {"ExtraCardEnable", &MatchRules::ExtraCardEnable, &Settings::ExtraCardEnable},
    {"RestrictTime", &MatchRules::RestrictTime, &Settings::RestrictTime},
    {"YakitoriMode", &MatchRules::YakitoriMode, &Settings::YakitoriMode},
    {"PirukConfirm", &MatchRules::PirukConfirm, &Settings::PirukConfirm},
    {"PirukGaeshi", &MatchRules::PirukGaeshi, &Settings::PirukGaeshi},
    {"NumberOfGames", &MatchRules::NumberOfGames, &Settings::NumberOfGames},
    {"CardOpen", &MatchRules::CardOpen, &Settings::CardOpen},
    {"AutoJudgment", &MatchRules::AutoJudgment, &Settings::AutoJudgment},
    {"JudgmentWaitTime", &MatchRules::JudgmentWaitTime, &Settings::JudgmentWaitTime},
    {"ManyCardBonus", &MatchRules::ManyCardBonus, &Settings::ManyCardBonus},
    {"AceAliasJack", &MatchRules::AceAliasJack, &Settings::AceAliasJack},
};

MatchRules MatchRulesOf(const Settings& settings);

// The member record of a seat and the name it had when the match was kept.
struct SeatedMember {
  int16_t group = 0;
  int16_t member = 0;
  std::string name;

  bool operator==(const SeatedMember&) const = default;
};

struct KeptMatch {
  TableState table;
  MatchState match;
  std::array<SeatedMember, kSeats> seats;
  uint64_t random_state = 0;
  MatchRules rules;

  bool operator==(const KeptMatch&) const = default;
};

// The match in progress as it stands now.
KeptMatch TakeKeptMatch(const GameState& state, const StandardRandom& random);

// Puts the table, the match, the seating it was played with and the random
// source back as they were kept.
void ApplyKeptMatch(const KeptMatch& kept, GameState& state, StandardRandom& random);

enum class KeptMatchRefusal {
  Damaged,         // not a whole file as the program writes it, or a value out of range
  OtherVersion,    // written by another version of the file
  RulesChanged,    // the settings now play or score the match otherwise
  MembersChanged,  // a seated member's record now has another name
  TableBroken,     // the cards were not in their places when it was kept
};

struct KeptMatchFault {
  KeptMatchRefusal refusal = KeptMatchRefusal::Damaged;
  std::string detail;  // the line, field or check that refused it, for logs
};

struct KeptMatchReading {
  std::optional<KeptMatch> kept;  // the match, when it may be continued
  KeptMatchFault fault;           // why not, when `kept` is empty
};

// The file's text: UTF-8 lines, a header with the version, one "name=value"
// line per field, and a last line holding the checksum of all before it.
std::string KeptMatchText(const KeptMatch& kept);

// The file's text read against the settings and members of the program now.
KeptMatchReading ReadKeptMatch(std::string_view text, const GameState& now);

// The checks of ReadKeptMatch after the text is read: nothing when the match
// may be continued under `now`.
std::optional<KeptMatchFault> WhyNotContinued(const KeptMatch& kept, const GameState& now);

// The file in the user's configuration folder. The write replaces it whole
// (a temporary file renamed over it) and keeps its permissions; false when
// it failed or the text would be too large to be read back.
bool WriteKeptMatch(const ProgramPaths& paths, const KeptMatch& kept);
// Nothing when there is no such regular file, it cannot be read or it is
// larger than kKeptMatchFileBytes.
std::optional<std::string> ReadKeptMatchFile(const ProgramPaths& paths);
// True when no file is left, also when there was none.
bool RemoveKeptMatch(const ProgramPaths& paths);

}  // namespace winpiruk
