#include "presentation/PictureNames.h"

#include <algorithm>
#include <vector>

#include <array>
#include <string_view>

namespace winpiruk {
namespace {

constexpr std::array<std::string_view, 4> kSuitWords = {"Heart", "Spade", "Dia", "Crover"};
constexpr std::array<std::string_view, 13> kRankWords = {"A", "2", "3",  "4", "5", "6", "7",
                                                         "8", "9", "10", "J", "Q", "K"};

}  // namespace

std::string CardFaceFile(int code) {
  if (code < 1 || code > 52) return {};
  std::string name(kSuitWords[static_cast<size_t>((code - 1) / 13)]);
  name += kRankWords[static_cast<size_t>((code - 1) % 13)];
  name += ".bmp";
  return name;
}

std::string BannerCardFaceFile(int code) {
  std::string face = CardFaceFile(code);
  return face.empty() ? face : "@" + face;
}

std::string CardBackFile(int card_kind, BackOrientation orientation) {
  std::string name;
  switch (orientation) {
    case BackOrientation::Upright: name = "Card"; break;
    case BackOrientation::UpsideDown: name = "Drac"; break;
    case BackOrientation::Left: name = "CardL"; break;
    case BackOrientation::Right: name = "CardR"; break;
  }
  if (card_kind >= 1) name += std::to_string(card_kind);
  return name + ".bmp";
}

std::string ArrowFile(int seat, int direction) {
  constexpr std::string_view kSeatLetters = "DLUR";
  if (seat < 0 || seat > 3) return {};
  std::string name = "Arrow";
  name += kSeatLetters[static_cast<size_t>(seat)];
  name += direction < 0 ? 'l' : 'r';
  return name + ".bmp";
}

std::string BannerFile(bool counter_call, int calling_seat, bool mask) {
  std::string name = counter_call ? "PrkGa" : "Piruk";
  name += (calling_seat == 1 || calling_seat == 3) ? 'V' : 'H';
  name += mask ? '#' : '!';
  return name + ".bmp";
}

PicturePoint BannerCardSpot(bool vertical, int index) {
  if (index < 0) index = 0;
  if (index >= kBannerCardSlots) index = kBannerCardSlots - 1;
  constexpr int kPitchX = kBannerCardWidth + 3;
  constexpr int kPitchY = kBannerCardHeight + 3;
  if (!vertical) {
    constexpr int kLeft = (kBannerHWidth - (kBannerCardSlots * kPitchX - 3)) / 2;
    return {kLeft + index * kPitchX, kBannerHHeight - 14 - kBannerCardHeight};
  }
  constexpr int kRows = kBannerCardSlots / 2;
  constexpr int kTop = (kBannerVHeight - (kRows * kPitchY - 3)) / 2;
  return {kBannerVWidth - 14 - 2 * kBannerCardWidth - 3 + (index % 2) * kPitchX, kTop + (index / 2) * kPitchY};
}

std::vector<std::string> TablePictureFiles() {
  std::vector<std::string> names;
  for (int code = 1; code <= 52; ++code) {
    names.push_back(CardFaceFile(code));
    names.push_back(BannerCardFaceFile(code));
  }
  for (int kind = 0; kind < kCardBackKinds; ++kind) {
    for (auto orientation : {BackOrientation::Upright, BackOrientation::UpsideDown, BackOrientation::Left,
                             BackOrientation::Right}) {
      names.push_back(CardBackFile(kind, orientation));
    }
  }
  for (int direction : {1, -1}) {
    for (int seat = 0; seat < 4; ++seat) names.push_back(ArrowFile(seat, direction));
  }
  for (bool counter_call : {false, true}) {
    for (int seat = 0; seat < 4; ++seat) {
      names.push_back(BannerFile(counter_call, seat, false));
      names.push_back(BannerFile(counter_call, seat, true));
    }
  }
  std::vector<std::string> once;
  for (std::string& name : names) {
    if (std::find(once.begin(), once.end(), name) == once.end()) once.push_back(std::move(name));
  }
  return once;
}

}  // namespace winpiruk
