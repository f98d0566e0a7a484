#include "presentation/PictureNames.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "support/Rows.h"

namespace winpiruk {
namespace {

TEST(PictureNames, CardFaces) {
  struct Case {
    int code;
    const char* face;
  };
  const Case cases[] = {
      {1, "HeartA.bmp"}, {10, "Heart10.bmp"}, {11, "HeartJ.bmp"}, {13, "HeartK.bmp"}, {14, "SpadeA.bmp"},
      {27, "DiaA.bmp"},  {39, "DiaK.bmp"},    {40, "CroverA.bmp"}, {51, "CroverQ.bmp"}, {52, "CroverK.bmp"},
      {0, ""},           {53, ""},            {-1, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    EXPECT_EQ(CardFaceFile(c.code), c.face) << c.code;
    EXPECT_EQ(BannerCardFaceFile(c.code), *c.face ? std::string("@") + c.face : "") << c.code;
  }
  std::set<std::string> names;
  for (int code = 1; code <= 52; ++code) names.insert(CardFaceFile(code));
  EXPECT_EQ(names.size(), 52u);
}

TEST(PictureNames, CardBacks) {
  struct Case {
    int kind;
    BackOrientation orientation;
    const char* file;
  };
  const Case cases[] = {
      {0, BackOrientation::Upright, "Card.bmp"},   {0, BackOrientation::UpsideDown, "Drac.bmp"},
      {0, BackOrientation::Left, "CardL.bmp"},     {0, BackOrientation::Right, "CardR.bmp"},
      {1, BackOrientation::Upright, "Card1.bmp"},  {1, BackOrientation::Right, "CardR1.bmp"},
      {3, BackOrientation::Upright, "Card3.bmp"},  {3, BackOrientation::UpsideDown, "Drac3.bmp"},
      {9, BackOrientation::Left, "CardL9.bmp"},    {9, BackOrientation::Right, "CardR9.bmp"},
      {-2, BackOrientation::Upright, "Card.bmp"},
  };
  for (const auto& c : cases) EXPECT_EQ(CardBackFile(c.kind, c.orientation), c.file) << c.kind;
}

TEST(PictureNames, Arrows) {
  struct Case {
    int seat, direction;
    const char* file;
  };
  const Case cases[] = {
      {0, 1, "ArrowDr.bmp"}, {0, -1, "ArrowDl.bmp"}, {1, 1, "ArrowLr.bmp"}, {1, -1, "ArrowLl.bmp"},
      {2, 1, "ArrowUr.bmp"}, {2, -1, "ArrowUl.bmp"}, {3, 1, "ArrowRr.bmp"}, {3, -1, "ArrowRl.bmp"},
      {4, 1, ""},            {-1, 1, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ArrowFile(c.seat, c.direction), c.file) << c.seat << " " << c.direction;
}

TEST(PictureNames, Banners) {
  struct Case {
    bool counter_call;
    int seat;
    bool mask;
    const char* file;
  };
  const Case cases[] = {
      {false, 0, false, "PirukH!.bmp"}, {false, 2, true, "PirukH#.bmp"}, {false, 1, false, "PirukV!.bmp"},
      {false, 3, true, "PirukV#.bmp"},  {true, 0, false, "PrkGaH!.bmp"}, {true, 2, true, "PrkGaH#.bmp"},
      {true, 1, true, "PrkGaV#.bmp"},   {true, 3, false, "PrkGaV!.bmp"},
  };
  for (const auto& c : cases) EXPECT_EQ(BannerFile(c.counter_call, c.seat, c.mask), c.file) << c.seat;
}

// The card slots of a banner lie inside it, side by side without overlap;
// an index outside the slots falls on the nearest one.
TEST(PictureNames, BannerCardSpots) {
  for (bool vertical : {false, true}) {
    const int width = vertical ? kBannerVWidth : kBannerHWidth;
    const int height = vertical ? kBannerVHeight : kBannerHHeight;
    for (int i = 0; i < kBannerCardSlots; ++i) {
      const PicturePoint a = BannerCardSpot(vertical, i);
      EXPECT_GE(a.x, 0);
      EXPECT_GE(a.y, 0);
      EXPECT_LE(a.x + kBannerCardWidth, width);
      EXPECT_LE(a.y + kBannerCardHeight, height);
      for (int j = i + 1; j < kBannerCardSlots; ++j) {
        const PicturePoint b = BannerCardSpot(vertical, j);
        const bool apart = a.x + kBannerCardWidth <= b.x || b.x + kBannerCardWidth <= a.x ||
                           a.y + kBannerCardHeight <= b.y || b.y + kBannerCardHeight <= a.y;
        EXPECT_TRUE(apart) << vertical << " " << i << " " << j;
      }
    }
    // Out of range comes to the nearest slot, the one just past the last too.
    for (const int outside : {-3, -1}) {
      EXPECT_EQ(BannerCardSpot(vertical, outside).x, BannerCardSpot(vertical, 0).x);
      EXPECT_EQ(BannerCardSpot(vertical, outside).y, BannerCardSpot(vertical, 0).y);
    }
    for (const int outside : {kBannerCardSlots, 99}) {
      EXPECT_EQ(BannerCardSpot(vertical, outside).x, BannerCardSpot(vertical, kBannerCardSlots - 1).x);
      EXPECT_EQ(BannerCardSpot(vertical, outside).y, BannerCardSpot(vertical, kBannerCardSlots - 1).y);
    }
  }
  // The tray is centred in its banner: as much room on either side.
  const PicturePoint first = BannerCardSpot(false, 0);
  const PicturePoint last = BannerCardSpot(false, kBannerCardSlots - 1);
  EXPECT_LE(std::abs(first.x - (kBannerHWidth - last.x - kBannerCardWidth)), 1);
  const PicturePoint top = BannerCardSpot(true, 0);
  const PicturePoint bottom = BannerCardSpot(true, kBannerCardSlots - 1);
  EXPECT_LE(std::abs(top.y - (kBannerVHeight - bottom.y - kBannerCardHeight)), 1);
}

TEST(PictureNames, TheTablesPicturesAreListedOnceEach) {
  const std::vector<std::string> files = TablePictureFiles();
  const std::set<std::string> distinct(files.begin(), files.end());
  EXPECT_EQ(distinct.size(), files.size());
  // Faces and banner faces, four lies of every back, two turns of every
  // arrow, both shapes of both banners for every seat: nothing more.
  std::set<std::string> expected;
  for (int code = 1; code <= 52; ++code) expected.insert({CardFaceFile(code), BannerCardFaceFile(code)});
  for (int kind = 0; kind < kCardBackKinds; ++kind) {
    for (const auto lie : {BackOrientation::Upright, BackOrientation::UpsideDown, BackOrientation::Left,
                           BackOrientation::Right}) {
      expected.insert(CardBackFile(kind, lie));
    }
  }
  for (int seat = 0; seat < 4; ++seat) {
    expected.insert({ArrowFile(seat, 1), ArrowFile(seat, -1)});
    for (const bool counter_call : {false, true}) {
      expected.insert({BannerFile(counter_call, seat, false), BannerFile(counter_call, seat, true)});
    }
  }
  EXPECT_EQ(distinct, expected);
}

}  // namespace
}  // namespace winpiruk
