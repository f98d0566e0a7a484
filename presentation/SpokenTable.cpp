#include "presentation/SpokenTable.h"

#include <array>

#include "state/Cards.h"

namespace winpiruk {
namespace {

constexpr std::array<std::string_view, 4> kSuits = {"ハート", "スペード", "ダイヤ", "クラブ"};
constexpr std::array<std::string_view, 14> kRanks = {"", "A", "2", "3", "4",  "5", "6",
                                                     "7", "8", "9", "10", "J", "Q", "K"};

}  // namespace

std::string SpokenCard(int code) {
  if (code < 1 || code > 52) return std::string(SpokenFaceDown());
  const DecodedCard card = DecodeCard(code);
  return std::string(kSuits[static_cast<std::size_t>(card.suit)]) + "の" +
         std::string(kRanks[static_cast<std::size_t>(card.rank)]);
}

std::string_view SpokenFaceDown() { return "伏せたカード"; }

std::string SpokenSeat(std::string_view name, int cards, int points) {
  return std::string(name) + ": " + std::to_string(cards) + "枚, " + std::to_string(points) + "点";
}

std::string SpokenTurn(std::string_view name) { return std::string(name) + "の番です"; }

std::string SpokenPenalty(std::string_view count, std::string_view name) {
  return "ﾄﾞﾛｰ " + std::string(count) + " → " + std::string(name);
}

}  // namespace winpiruk
