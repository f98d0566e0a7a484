#pragma once
// The table in words, for a screen reader: a card by its suit and rank, a
// card lying face down, a seat with its cards and points, whose turn it is.
#include <string>
#include <string_view>

namespace winpiruk {

// "ハートの7", "スペードのA"; a code outside the deck is a face-down card.
std::string SpokenCard(int code);

// "伏せたカード".
std::string SpokenFaceDown();

// "No.15: 5枚, 120点".
std::string SpokenSeat(std::string_view name, int cards, int points);

// "No.15の番です".
std::string SpokenTurn(std::string_view name);

// "ﾄﾞﾛｰ +4 → No.15": a penalty waiting for the seat named.
std::string SpokenPenalty(std::string_view count, std::string_view name);

}  // namespace winpiruk
