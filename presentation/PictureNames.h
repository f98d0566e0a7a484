#pragma once
// The file names of every picture the table draws, and the one card size.
// The pictures themselves are made by the data generator at build time; the
// drawing code and the generator both take their names from here.
#include <string>
#include <vector>

namespace winpiruk {

// A card face on the table. The backs of the side seats are turned, so they
// are kCardHeight wide and kCardWidth high. 42 × 60 pixels lets the design
// table (8115 × 5385 twips) hold the user's nine cards side by side between
// the two side rows, with the top row, both piles and the labels in between.
constexpr int kCardWidth = 42;
constexpr int kCardHeight = 60;
constexpr int kTurnedCardWidth = kCardHeight;
constexpr int kTurnedCardHeight = kCardWidth;

// The smaller faces shown inside the call banners.
constexpr int kBannerCardWidth = 28;
constexpr int kBannerCardHeight = 40;

// The call banners: the horizontal one for the top and bottom seats, the
// vertical one for the side seats. Each holds the words of the call and a
// tray for up to kBannerCardSlots of the smaller faces.
constexpr int kBannerHWidth = 340;
constexpr int kBannerHHeight = 128;
constexpr int kBannerVWidth = 150;
constexpr int kBannerVHeight = 340;
constexpr int kBannerCardSlots = 10;

// Top left corner of card slot `index` (0..kBannerCardSlots-1) inside a
// banner, in pixels from the banner's top left corner: one row of ten in
// the horizontal banner, two columns of five in the vertical one. An index
// outside the slots is clamped to the nearest slot.
struct PicturePoint {
  int x = 0;
  int y = 0;
};
PicturePoint BannerCardSpot(bool vertical, int index);

// Turn arrows are square.
constexpr int kArrowSize = 32;

// Back designs are numbered 0..kCardBackKinds-1.
constexpr int kCardBackKinds = 10;

enum class BackOrientation {
  Upright,     // the draw pile and the back picture
  UpsideDown,  // the top seat
  Left,        // the left seat, turned
  Right,       // the right seat, turned
};

// "HeartA.bmp" … "CroverK.bmp" for codes 1..52; empty for any other code.
// Every picture file the table draws from the card data directory (a name
// shared by two seats' banners listed once).
std::vector<std::string> TablePictureFiles();

std::string CardFaceFile(int code);

// The same faces with a leading "@", for the cards inside a call banner.
std::string BannerCardFaceFile(int code);

// "Card.bmp", "Drac.bmp", "CardL.bmp", "CardR.bmp" for kind 0; for a kind of
// 1 or more its digits go before ".bmp" ("Drac3.bmp"). A negative kind is
// treated as 0.
std::string CardBackFile(int card_kind, BackOrientation orientation);

// "Arrow" + seat letter (0 D, 1 L, 2 U, 3 R) + "r" for direction +1 or "l"
// for -1 + ".bmp". Empty for a seat outside 0..3.
std::string ArrowFile(int seat, int direction);

// The call ("Piruk") or counter-call ("PrkGa") banner for the calling seat:
// "H" for seats 0 and 2, "V" for 1 and 3; "!" for the picture, "#" for its
// mask.
std::string BannerFile(bool counter_call, int calling_seat, bool mask);

}  // namespace winpiruk
