#include "presentation/SpokenTable.h"

#include <array>

#include "state/Cards.h"
#include "state/Translation.h"

namespace winpiruk {
namespace {

constexpr std::array<const char*, 4> kSuits = {TrNoop("SpokenTable", "ハート"), TrNoop("SpokenTable", "スペード"),
                                               TrNoop("SpokenTable", "ダイヤ"), TrNoop("SpokenTable", "クラブ")};
constexpr std::array<std::string_view, 14> kRanks = {"", "A", "2", "3", "4",  "5", "6",
                                                     "7", "8", "9", "10", "J", "Q", "K"};

}  // namespace

std::string SpokenCard(int code) {
  if (code < 1 || code > 52) return std::string(SpokenFaceDown());
  const DecodedCard card = DecodeCard(code);
  return Fill(Tr("SpokenTable", "%1の%2"), {Tr("SpokenTable", kSuits[static_cast<std::size_t>(card.suit)]),
                                            kRanks[static_cast<std::size_t>(card.rank)]});
}

std::string SpokenFaceDown() { return Tr("SpokenTable", "伏せたカード"); }

std::string SpokenSeat(std::string_view name, int cards, int points) {
  return Fill(Tr("SpokenTable", "%1: %2枚, %3点"), {name, std::to_string(cards), std::to_string(points)});
}

std::string SpokenTurn(std::string_view name) { return Fill(Tr("SpokenTable", "%1の番です"), {name}); }

std::string SpokenPenalty(std::string_view count, std::string_view name) {
  return Fill(Tr("SpokenTable", "ﾄﾞﾛｰ %1 → %2"), {count, name});
}

}  // namespace winpiruk
