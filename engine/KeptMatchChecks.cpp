#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "engine/Durations.h"
#include "engine/KeptMatch.h"
#include "engine/TableInvariants.h"
#include "state/Cards.h"
#include "state/RuleLimits.h"

namespace winpiruk {
namespace {

constexpr int kLastCard = 52;
constexpr int kMostHeldCards = 10;
constexpr int kSecondsPerDay = 24 * 60 * 60;
constexpr int kUserGroup = 1;
constexpr int kUserMember = 1;

struct Requirement {
  std::string_view field;
  bool holds;
};

// The field of the first requirement that does not hold.
std::optional<std::string> FirstUnmet(std::initializer_list<Requirement> requirements) {
  for (const Requirement& r : requirements) {
    if (!r.holds) return std::string(r.field);
  }
  return std::nullopt;
}

bool Within(int value, int low, int high) { return value >= low && value <= high; }
bool IsCardOrEmpty(int16_t code) { return Within(code, 0, kLastCard); }
bool IsSeatNumber(int value) { return Within(value, 0, kSeats - 1); }

bool IsHandEndOrNone(int code) {
  return code == 0 || code == kEndInitialMatch || code == kEndCall || code == kEndCardOver ||
         code == kEndDiscardFinish || code == kEndNoGame;
}

bool IsUserPick(int pick) {
  return Within(pick, 0, 9) || pick == kPickDiscardPile || pick == kPickSecondCard || pick == kPickDrawPile;
}

// A row's count and the cards of slots 1..10; its call numbers may be any.
bool RowInRange(const HandRow& row) {
  return Within(row[kHandCount], 0, kMostHeldCards) &&
         std::all_of(row.begin() + 1, row.begin() + kMostHeldCards + 1, IsCardOrEmpty);
}

std::optional<std::string> TableRangeFault(const TableState& t, int hands_in_match) {
  const bool rows = std::all_of(t.Hands.begin(), t.Hands.end(), RowInRange);
  const int most_seconds = kRestrictTimeRange.high * kSecondsPerRestrictStep;
  return FirstUnmet({
      {"table.Hands", rows},
      {"table.DeckSlots", std::all_of(t.DeckSlots.begin(), t.DeckSlots.end(), IsCardOrEmpty)},
      {"table.DrawIndex", Within(t.DrawIndex, 0, kDeckSlots)},
      {"table.DiscardIndex", Within(t.DiscardIndex, 0, kDeckSlots)},
      {"table.TopDiscard", IsCardOrEmpty(t.TopDiscard)},
      {"table.Dealer", IsSeatNumber(t.Dealer)},
      {"table.CurrentSeat", IsSeatNumber(t.CurrentSeat)},
      {"table.Winner", IsSeatNumber(t.Winner)},
      {"table.Direction", t.Direction == 1 || t.Direction == -1},
      {"table.PenaltyPending", t.PenaltyPending >= 0},
      {"table.HandEndCode", IsHandEndOrNone(t.HandEndCode)},
      {"table.HandNumber", Within(t.HandNumber, 1, hands_in_match)},
      {"table.ExtraNumber", IsCardOrEmpty(t.ExtraNumber)},
      {"table.ExtraNumberCard", IsCardOrEmpty(t.ExtraNumberCard)},
      {"table.DealerChoice", t.DealerChoice.empty() || t.DealerChoice == "A" || t.DealerChoice == "B" ||
                                 t.DealerChoice == "E"},
      {"table.HandPhase", Within(t.HandPhase, kHandNotDealt, kHandInPlay)},
      {"table.TurnPhase", Within(t.TurnPhase, kTurnNone, kTurnFurtherDiscard)},
      {"table.UserPick", IsUserPick(t.UserPick)},
      {"table.SecondsLeft", Within(t.SecondsLeft, 0, most_seconds)},
  });
}

// The seats: the user in the own record, three other members of one group.
std::optional<std::string> SeatRangeFault(const KeptMatch& k) {
  const auto& member = k.match.SeatMember;
  const int group = member[0];
  bool opponents = true;
  for (int seat = 1; seat < kSeats; ++seat) {
    const int m = member[static_cast<std::size_t>(seat)];
    opponents = opponents && Within(m, 1, kMembersPerGroup) && !(group == kUserGroup && m == kUserMember);
    for (int other = 1; other < seat; ++other) opponents = opponents && m != member[static_cast<std::size_t>(other)];
  }
  bool seats_agree = k.seats[0].group == kUserGroup && k.seats[0].member == kUserMember;
  for (int seat = 1; seat < kSeats; ++seat) {
    const SeatedMember& s = k.seats[static_cast<std::size_t>(seat)];
    seats_agree = seats_agree && s.group == group && s.member == member[static_cast<std::size_t>(seat)];
  }
  return FirstUnmet({
      {"match.SeatMember", Within(group, 1, kGroups) && opponents},
      {"seat", seats_agree},
  });
}

std::optional<std::string> RangeFault(const KeptMatch& k) {
  const int hands = InRangeOr(k.rules.NumberOfGames, kNumberOfGamesRange);
  if (auto fault = TableRangeFault(k.table, hands)) return fault;
  if (auto fault = SeatRangeFault(k)) return fault;
  return FirstUnmet({
      {"match.MatchInProgress", k.match.MatchInProgress},
      {"match.MatchStartTime", Within(k.match.MatchStartTime, 0, kSecondsPerDay - 1)},
  });
}

std::optional<std::string> ChangedRule(const MatchRules& kept, const Settings& now) {
  for (const MatchRuleField& rule : kMatchRuleFields) {
    if (kept.*rule.kept != now.*rule.settings) return std::string(rule.name);
  }
  return std::nullopt;
}

std::optional<std::string> ChangedMember(const KeptMatch& k, const MemberTable& now) {
  for (int seat = 0; seat < kSeats; ++seat) {
    const SeatedMember& s = k.seats[static_cast<std::size_t>(seat)];
    if (now.MemberName[s.group][s.member] != s.name) return "seat " + std::to_string(seat);
  }
  return std::nullopt;
}

// The table as the engine left it: between hands the hand that has ended
// is still on it.
std::string TableFault(const KeptMatch& k, const GameState& now) {
  GameState kept_table;
  kept_table.settings = now.settings;
  kept_table.table = k.table;
  kept_table.match = k.match;
  const TableMoment moment = k.table.HandPhase == kHandNotDealt ? TableMoment::HandOver : TableMoment::DuringHand;
  return CheckTableInvariants(kept_table, moment);
}

KeptMatchFault Fault(KeptMatchRefusal refusal, std::string detail) { return {refusal, std::move(detail)}; }

}  // namespace

std::optional<KeptMatchFault> WhyNotContinued(const KeptMatch& kept, const GameState& now) {
  if (auto field = RangeFault(kept)) return Fault(KeptMatchRefusal::Damaged, *field + " out of range");
  if (auto rule = ChangedRule(kept.rules, now.settings)) return Fault(KeptMatchRefusal::RulesChanged, *rule);
  if (auto seat = ChangedMember(kept, now.members)) return Fault(KeptMatchRefusal::MembersChanged, *seat);
  if (std::string fault = TableFault(kept, now); !fault.empty()) return Fault(KeptMatchRefusal::TableBroken, fault);
  return std::nullopt;
}

}  // namespace winpiruk
