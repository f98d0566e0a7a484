#include "engine/KeptMatchFields.h"

#include <utility>

#include "engine/KeptMatchValues.h"

namespace winpiruk::kept {
namespace {

// A field from the way to its value in a match: `access` takes a match,
// const or not, and gives a reference to the value.
template <typename Access>
KeptField Field(std::string name, Access access) {
  return {std::move(name), [access](const KeptMatch& k) { return ValueText(access(k)); },
          [access](std::string_view text, KeptMatch& k) { return ReadValue(text, access(k)); }};
}

template <typename T>
KeptField TableField(std::string_view name, T TableState::*member) {
  return Field("table." + std::string(name), [member](auto& k) -> auto& { return k.table.*member; });
}

template <typename T>
KeptField MatchField(std::string_view name, T MatchState::*member) {
  return Field("match." + std::string(name), [member](auto& k) -> auto& { return k.match.*member; });
}

void AddTable(std::vector<KeptField>& fields) {
  for (int seat = 0; seat < kSeats; ++seat) {
    fields.push_back(Field("table.Hands." + std::to_string(seat), [seat](auto& k) -> auto& {
      return k.table.Hands[static_cast<std::size_t>(seat)];
    }));
  }
  fields.push_back(TableField("DeckSlots", &TableState::DeckSlots));
  fields.push_back(TableField("DrawIndex", &TableState::DrawIndex));
  fields.push_back(TableField("DiscardIndex", &TableState::DiscardIndex));
  fields.push_back(TableField("TopDiscard", &TableState::TopDiscard));
  fields.push_back(TableField("Dealer", &TableState::Dealer));
  fields.push_back(TableField("CurrentSeat", &TableState::CurrentSeat));
  fields.push_back(TableField("Winner", &TableState::Winner));
  fields.push_back(TableField("Direction", &TableState::Direction));
  fields.push_back(TableField("SpecialDone", &TableState::SpecialDone));
  fields.push_back(TableField("PenaltyPending", &TableState::PenaltyPending));
  fields.push_back(TableField("TurnOver", &TableState::TurnOver));
  fields.push_back(TableField("HandEndCode", &TableState::HandEndCode));
  fields.push_back(TableField("CounterCalled", &TableState::CounterCalled));
  fields.push_back(TableField("HandNumber", &TableState::HandNumber));
  fields.push_back(TableField("ExtraNumber", &TableState::ExtraNumber));
  fields.push_back(TableField("ExtraNumberCard", &TableState::ExtraNumberCard));
  fields.push_back(TableField("DealerChoice", &TableState::DealerChoice));
  fields.push_back(TableField("HandPhase", &TableState::HandPhase));
  fields.push_back(TableField("TurnPhase", &TableState::TurnPhase));
  fields.push_back(TableField("UserPick", &TableState::UserPick));
  fields.push_back(TableField("AwaitingUser", &TableState::AwaitingUser));
  fields.push_back(TableField("PickInProgress", &TableState::PickInProgress));
  fields.push_back(TableField("DrewThisTurn", &TableState::DrewThisTurn));
  fields.push_back(TableField("AutoPlay", &TableState::AutoPlay));
  fields.push_back(TableField("SecondsLeft", &TableState::SecondsLeft));
  fields.push_back(TableField("CallWindowOpen", &TableState::CallWindowOpen));
  fields.push_back(TableField("UserClaimedCall", &TableState::UserClaimedCall));
  fields.push_back(TableField("CallWindowStart", &TableState::CallWindowStart));
  fields.push_back(TableField("AutoExtraPending", &TableState::AutoExtraPending));
  fields.push_back(TableField("EngineRunning", &TableState::EngineRunning));
}

void AddMatch(std::vector<KeptField>& fields) {
  fields.push_back(MatchField("Score", &MatchState::Score));
  fields.push_back(MatchField("HasWon", &MatchState::HasWon));
  fields.push_back(MatchField("SeatMember", &MatchState::SeatMember));
  fields.push_back(MatchField("SeatName", &MatchState::SeatName));
  fields.push_back(MatchField("Boldness", &MatchState::Boldness));
  fields.push_back(MatchField("Deduction", &MatchState::Deduction));
  fields.push_back(MatchField("HandLogPoints", &MatchState::HandLogPoints));
  fields.push_back(MatchField("HandLogText", &MatchState::HandLogText));
  fields.push_back(MatchField("MatchInProgress", &MatchState::MatchInProgress));
  fields.push_back(MatchField("MatchStartTime", &MatchState::MatchStartTime));
}

void AddSeats(std::vector<KeptField>& fields) {
  for (int seat = 0; seat < kSeats; ++seat) {
    const auto s = static_cast<std::size_t>(seat);
    const std::string prefix = "seat." + std::to_string(seat) + ".";
    fields.push_back(Field(prefix + "group", [s](auto& k) -> auto& { return k.seats[s].group; }));
    fields.push_back(Field(prefix + "member", [s](auto& k) -> auto& { return k.seats[s].member; }));
    fields.push_back(Field(prefix + "name", [s](auto& k) -> auto& { return k.seats[s].name; }));
  }
}

void AddRules(std::vector<KeptField>& fields) {
  for (const MatchRuleField& rule : kMatchRuleFields) {
    const auto kept = rule.kept;
    fields.push_back(Field("rule." + std::string(rule.name), [kept](auto& k) -> auto& { return k.rules.*kept; }));
  }
}

std::vector<KeptField> MakeFields() {
  std::vector<KeptField> fields;
  AddTable(fields);
  AddMatch(fields);
  AddSeats(fields);
  fields.push_back(Field("random.state", [](auto& k) -> auto& { return k.random_state; }));
  AddRules(fields);
  return fields;
}

}  // namespace

const std::vector<KeptField>& KeptFields() {
  static const std::vector<KeptField> fields = MakeFields();
  return fields;
}

}  // namespace winpiruk::kept
