#include "engine/TableInvariants.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine/Dealing.h"
#include "tests/engine/RecordingView.h"
#include "tests/engine/TableBuilder.h"

namespace winpiruk {
namespace {

using namespace winpiruk::testing;

Piruk930 DealtTable() {
  Piruk930 s;
  s.settings = DefaultSettings("");
  s.Dealer = 2;
  RecordingView view;
  StandardRandom random;
  FixedClock clock;
  EXPECT_TRUE(ShuffleAndDeal(s, view, random, clock));
  return s;
}

TEST(TableInvariants, FaultsAreFound) {
  Piruk930 dealt = DealtTable();
  EXPECT_EQ(CheckTableInvariants(dealt, TableMoment::DuringHand), "");
  // The dealer's choice turned the initial card.
  Piruk930 turned = dealt;
  turned.TopDiscard = turned.DeckSlots[20];
  turned.DeckSlots[53] = turned.TopDiscard;
  turned.DrawIndex = 21;
  turned.DiscardIndex = 54;
  ASSERT_EQ(CheckTableInvariants(turned, TableMoment::DuringHand), "");

  struct Case {
    const char* name;
    std::function<void(Piruk930&)> spoil;
  };
  const Case cases[] = {
      {"card twice", [](Piruk930& s) { s.Hands[1][2] = s.Hands[0][1]; }},
      {"card lost", [](Piruk930& s) { s.DeckSlots[30] = 0; }},
      {"hand not packed",
       [](Piruk930& s) {
         s.Hands[3][7] = s.Hands[3][2];
         s.Hands[3][2] = 0;
       }},
      {"count", [](Piruk930& s) { s.Hands[2][kHandCount] = 4; }},
      {"slot 52", [](Piruk930& s) { s.DeckSlots[52] = 5; }},
      {"code out of range", [](Piruk930& s) { s.Hands[0][1] = 64 + s.Hands[0][1]; }},
      {"draw index", [](Piruk930& s) { s.DrawIndex = 52; }},
      {"direction", [](Piruk930& s) { s.Direction = 0; }},
      {"no empty slot after the pile", [](Piruk930& s) { s.DeckSlots[54] = s.DeckSlots[53]; }},
  };
  for (const auto& c : cases) {
    Piruk930 s = turned;
    c.spoil(s);
    EXPECT_NE(CheckTableInvariants(s, TableMoment::DuringHand), "") << c.name;
  }
}

TEST(TableInvariants, EndOfHandExceptions) {
  Piruk930 s = DealtTable();
  s.TopDiscard = s.DeckSlots[20];
  s.DeckSlots[53] = s.TopDiscard;
  s.DrawIndex = 21;
  s.DiscardIndex = 54;
  // Seat 1 discarded its fifth card and was called: it still counts it.
  s.DeckSlots[s.DiscardIndex++] = s.Hands[1][5];
  s.Hands[1][5] = 0;
  s.HandEndCode = kEndCall;
  s.CurrentSeat = 1;
  s.Winner = 3;
  EXPECT_EQ(CheckTableInvariants(s, TableMoment::HandOver), "");
  EXPECT_NE(CheckTableInvariants(s, TableMoment::DuringHand), "");
  s.HandEndCode = 42;
  EXPECT_NE(CheckTableInvariants(s, TableMoment::HandOver), "");
}

}  // namespace
}  // namespace winpiruk
