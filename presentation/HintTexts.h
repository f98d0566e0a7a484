#pragma once
// The words of the table's hints: why a pick was refused, and the penalty
// waiting on the discard pile.
#include <string>
#include <string_view>

#include "engine/LegalPicks.h"

namespace winpiruk {

// One short sentence for each refusal; empty for Refusal::None.
std::string RefusalText(Refusal why);

// "+4": the cards a waiting penalty draws.
std::string PenaltyCountText(int cards);

}  // namespace winpiruk
