#include "presentation/SpokenTable.h"

#include <gtest/gtest.h>

namespace winpiruk {
namespace {

TEST(SpokenTable, CardsAreReadBySuitAndRankAndAnythingElseAsFaceDown) {
  const struct {
    int code;
    const char* spoken;
  } cases[] = {
      {1, "ハートのA"},   {7, "ハートの7"},    {13, "ハートのK"},     {14, "スペードのA"},
      {26, "スペードのK"}, {37, "ダイヤのJ"},  {39, "ダイヤのK"},     {40, "クラブのA"},
      {50, "クラブのJ"},  {52, "クラブのK"},   {0, "伏せたカード"},   {53, "伏せたカード"},
      {-1, "伏せたカード"},
  };
  for (const auto& c : cases) EXPECT_EQ(SpokenCard(c.code), c.spoken) << c.code;
}

TEST(SpokenTable, SeatsTurnsAndPenaltiesNameTheirSeat) {
  EXPECT_EQ(SpokenSeat("No.15", 5, -120), "No.15: 5枚, -120点");
  EXPECT_EQ(SpokenTurn("あなた"), "あなたの番です");
  EXPECT_EQ(SpokenPenalty("+4", "ｺﾝﾋﾟｭｰﾀ1"), "ﾄﾞﾛｰ +4 → ｺﾝﾋﾟｭｰﾀ1");
}

}  // namespace
}  // namespace winpiruk
