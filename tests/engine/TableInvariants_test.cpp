#include "engine/TableInvariants.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/Dealing.h"
#include "support/RecordingView.h"
#include "support/StoppedClock.h"
#include "support/TableBuilder.h"

namespace winpiruk {
namespace {

using namespace winpiruk::testing;

GameState DealtTable() {
  GameState s;
  s.settings = DefaultSettings("");
  s.table.Dealer = 2;
  RecordingView view;
  StandardRandom random;
  test::StoppedClock clock{TimeOfDay{}};
  EXPECT_TRUE(ShuffleAndDeal(s, view, random, clock));
  return s;
}

TEST(TableInvariants, FaultsAreFound) {
  GameState dealt = DealtTable();
  EXPECT_EQ(CheckTableInvariants(dealt, TableMoment::DuringHand), "");
  // The dealer's choice turned the initial card.
  GameState turned = dealt;
  turned.table.TopDiscard = turned.table.DeckSlots[20];
  turned.table.DeckSlots[53] = turned.table.TopDiscard;
  turned.table.DrawIndex = 21;
  turned.table.DiscardIndex = 54;
  ASSERT_EQ(CheckTableInvariants(turned, TableMoment::DuringHand), "");

  struct Case {
    const char* name;
    std::function<void(GameState&)> spoil;
    const char* finding;  // what the check says, up to its numbers
  };
  const Case cases[] = {
      {"card twice", [](GameState& s) { s.table.Hands[1][2] = s.table.Hands[0][1]; }, "card missing"},
      {"card lost", [](GameState& s) { s.table.DeckSlots[30] = 0; }, "empty slot among the undrawn cards or the pile: 30"},
      {"card lost from the pile",
       [](GameState& s) {
         // Seat 2 discards its last card onto the initial card; then it is lost.
         HandRow& row = s.table.Hands[2];
         const int last = row[kHandCount];
         s.table.DeckSlots[s.table.DiscardIndex++] = row[last];
         row[last] = 0;
         --row[kHandCount];
         RecomputeCallNumbers(row);
         s.table.DeckSlots[54] = 0;
       },
       "empty slot among the undrawn cards or the pile: 54"},
      {"hand not packed",
       [](GameState& s) {
         s.table.Hands[3][7] = s.table.Hands[3][2];
         s.table.Hands[3][2] = 0;
       },
       "hand not packed 3 3"},
      {"gap inside the count",
       [](GameState& s) {
         s.table.DeckSlots[s.table.DiscardIndex++] = s.table.Hands[2][2];
         s.table.Hands[2][2] = 0;
       },
       "hand not packed 2 3"},
      {"count", [](GameState& s) { s.table.Hands[2][kHandCount] = 4; }, "hand count differs from its cards 2 4"},
      {"slot 52", [](GameState& s) { s.table.DeckSlots[52] = 5; }, "slot 52 written"},
      {"code out of range", [](GameState& s) { s.table.Hands[0][1] = 64 + s.table.Hands[0][1]; }, "a card code outside 1..52"},
      {"draw index", [](GameState& s) { s.table.DrawIndex = 52; }, "draw index left on the empty slot 52"},
      {"direction", [](GameState& s) { s.table.Direction = 0; }, "direction 0"},
      {"no empty slot after the pile", [](GameState& s) { s.table.DeckSlots[54] = s.table.DeckSlots[53]; },
       "no empty slot after the discard pile 54"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    GameState s = turned;
    c.spoil(s);
    EXPECT_EQ(CheckTableInvariants(s, TableMoment::DuringHand).rfind(c.finding, 0), 0u)
        << CheckTableInvariants(s, TableMoment::DuringHand);
  }
}

TEST(TableInvariants, EndOfHandExceptions) {
  GameState s = DealtTable();
  s.table.TopDiscard = s.table.DeckSlots[20];
  s.table.DeckSlots[53] = s.table.TopDiscard;
  s.table.DrawIndex = 21;
  s.table.DiscardIndex = 54;
  // Seat 1 discarded its fifth card and was called: it still counts it.
  s.table.DeckSlots[s.table.DiscardIndex++] = s.table.Hands[1][5];
  s.table.Hands[1][5] = 0;
  s.table.HandEndCode = kEndCall;
  s.table.CurrentSeat = 1;
  s.table.Winner = 3;
  EXPECT_EQ(CheckTableInvariants(s, TableMoment::HandOver), "");
  EXPECT_NE(CheckTableInvariants(s, TableMoment::DuringHand), "");
  s.table.HandEndCode = 42;
  EXPECT_NE(CheckTableInvariants(s, TableMoment::HandOver), "");
}

// A sound table with the 52 cards spread as asked: `undrawn` cards on the
// deck, `pile` on the discard pile, `held` in the hands. With `reused` the
// pile has been turned over: the deck runs from slot 53 up to an empty slot
// and the new pile fills slots 1 onwards.
GameState LaidOut(int undrawn, int pile, std::array<int, 4> held, bool reused) {
  GameState s;
  s.settings = DefaultSettings("");
  int next = 0;
  auto card = [&next] { return static_cast<int16_t>(next++ * 7 % 52 + 1); };  // every code once
  for (int seat = 0; seat < 4; ++seat) {
    for (int slot = 1; slot <= held[seat]; ++slot) s.table.Hands[seat][slot] = card();
    s.table.Hands[seat][kHandCount] = static_cast<int16_t>(held[seat]);
  }
  if (!reused) {
    s.table.DrawIndex = static_cast<int16_t>(52 - undrawn);
    for (int i = s.table.DrawIndex; i < 52; ++i) s.table.DeckSlots[i] = card();
    for (int i = 53; i < 53 + pile; ++i) s.table.DeckSlots[i] = card();
    s.table.DiscardIndex = static_cast<int16_t>(53 + pile);
  } else {
    s.table.DrawIndex = 60;
    for (int i = 60; i < 60 + undrawn; ++i) s.table.DeckSlots[i] = card();
    for (int i = 1; i <= pile; ++i) s.table.DeckSlots[i] = card();
    s.table.DiscardIndex = static_cast<int16_t>(1 + pile);
  }
  return s;
}

TEST(TableInvariants, FaultsOfAReusedDeckAreNamed) {
  // Undrawn cards in slots 60..77, the new pile in slots 1..14.
  const GameState reused = LaidOut(18, 14, {9, 3, 6, 2}, true);
  ASSERT_EQ(CheckTableInvariants(reused, TableMoment::DuringHand), "");
  struct Case {
    const char* name;
    std::function<void(GameState&)> spoil;
    const char* finding;
  };
  const Case cases[] = {
      {"gap in the new pile", [](GameState& s) { s.table.DeckSlots[5] = 0; },
       "empty slot among the undrawn cards or the pile: 5"},
      {"gap among the undrawn cards", [](GameState& s) { s.table.DeckSlots[65] = 0; },
       "card after the end of the reused deck 66"},
      {"card after the undrawn cards", [](GameState& s) { s.table.DeckSlots[90] = s.table.DeckSlots[60]; },
       "card after the end of the reused deck 90"},
      {"the pile ends early", [](GameState& s) { s.table.DeckSlots[14] = 0; },
       "empty slot among the undrawn cards or the pile: 14"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    GameState s = reused;
    c.spoil(s);
    EXPECT_EQ(CheckTableInvariants(s, TableMoment::DuringHand), c.finding);
  }
}

// The slots whose every change the check must find: the places that hold a
// card, the empty slot 52 and the empty slot that ends the pile (in a reused
// deck, every slot after the undrawn cards).
std::vector<int> GuardedDeckSlots(const GameState& s) {
  std::vector<int> slots = {52};
  if (s.table.DrawIndex < 52) {
    for (int i = s.table.DrawIndex; i < 52; ++i) slots.push_back(i);
    const int end = s.table.DeckSlots[53] != 0 ? s.table.DiscardIndex : 53;
    for (int i = 53; i <= end && i < kDeckSlots; ++i) slots.push_back(i);
  } else {
    for (int i = s.table.DrawIndex; i < kDeckSlots; ++i) slots.push_back(i);
    for (int i = 1; i < s.table.DiscardIndex; ++i) slots.push_back(i);
  }
  return slots;
}

// Sound tables of every layout: just dealt, during a hand, with full and
// empty rows, and with the deck reused.
std::vector<GameState> SoundTables() {
  return {
      DealtTable(),
      LaidOut(31, 1, {5, 5, 5, 5}, false),
      LaidOut(9, 17, {10, 1, 7, 8}, false),
      LaidOut(24, 8, {10, 0, 10, 0}, false),
      LaidOut(1, 47, {1, 1, 1, 1}, false),
      LaidOut(18, 14, {9, 3, 6, 2}, true),
  };
}

// Calls `visit` with every single change of a guarded slot, of a hand's
// cards or count, and of the two indexes of a sound table, and what it changed.
void ForEachChange(const GameState& table,
                   const std::function<void(const GameState&, const char* what, int where, int value)>& visit) {
  std::vector<int> values = {-32768, -64, -1, 32767, 127, 128, 255, 256, 4096};
  for (int v = 0; v <= 70; ++v) values.push_back(v);
  for (const int v : values) {
    for (const int i : GuardedDeckSlots(table)) {
      if (table.table.DeckSlots[i] == v) continue;
      GameState s = table;
      s.table.DeckSlots[i] = static_cast<int16_t>(v);
      visit(s, "deck slot", i, v);
    }
    for (int seat = 0; seat < kSeats; ++seat) {
      for (int slot = 0; slot <= 10; ++slot) {
        if (table.table.Hands[seat][slot] == v) continue;
        GameState s = table;
        s.table.Hands[seat][slot] = static_cast<int16_t>(v);
        visit(s, "hand slot", seat * 100 + slot, v);
      }
    }
  }
  // Before the initial card is turned the discard index is left over from
  // the hand before and means nothing.
  const bool pile_started = table.table.DeckSlots[53] != 0;
  for (int draw = -1; draw <= kDeckSlots + 2; ++draw) {
    for (int discard = -1; discard <= kDeckSlots + 2; ++discard) {
      if (draw == table.table.DrawIndex && (discard == table.table.DiscardIndex || !pile_started)) continue;
      GameState s = table;
      s.table.DrawIndex = static_cast<int16_t>(draw);
      s.table.DiscardIndex = static_cast<int16_t>(discard);
      visit(s, "indexes", draw * 1000 + discard, 0);
    }
  }
}

std::string Where(const GameState& table) {
  return "draw index " + std::to_string(table.table.DrawIndex) + ", discard index " + std::to_string(table.table.DiscardIndex);
}

TEST(TableInvariants, EveryChangeToAPlaceOfTheCardsIsFound) {
  for (const GameState& table : SoundTables()) {
    SCOPED_TRACE(Where(table));
    ASSERT_EQ(CheckTableInvariants(table, TableMoment::DuringHand), "");
    int missed = 0;
    ForEachChange(table, [&missed](const GameState& s, const char* what, int where, int value) {
      if (TableIsSound(s, TableMoment::DuringHand) && ++missed < 15) {
        ADD_FAILURE() << what << " " << where << " set to " << value << " is not found";
      }
    });
    EXPECT_EQ(missed, 0);
  }
}

// One memo sees every changed table in turn, and the sound table again
// after each: every change is made behind its back, and what it finds must
// be what a check without a memo finds.
TEST(TableInvariants, AMemoFindsWhatACheckWithoutOneFinds) {
  for (const GameState& table : SoundTables()) {
    SCOPED_TRACE(Where(table));
    TableCheckMemo memo;
    ASSERT_TRUE(TableIsSound(table, TableMoment::DuringHand, memo));
    int differed = 0;
    ForEachChange(table, [&](const GameState& s, const char* what, int where, int value) {
      const TableFinding plain = FindTableFault(s, TableMoment::DuringHand);
      const TableFinding remembered = FindTableFault(s, TableMoment::DuringHand, memo);
      const bool same = plain.fault == remembered.fault && plain.a == remembered.a && plain.b == remembered.b;
      const bool sound_again = TableIsSound(table, TableMoment::DuringHand, memo);
      if ((!same || !sound_again) && ++differed < 15) {
        ADD_FAILURE() << what << " " << where << " set to " << value
                      << (same ? ": the sound table is not found sound after it" : " is found otherwise with the memo");
      }
    });
    EXPECT_EQ(differed, 0);
  }
}

}  // namespace
}  // namespace winpiruk
