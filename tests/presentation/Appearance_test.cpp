#include "presentation/Appearance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "support/Rows.h"

namespace winpiruk {
namespace {

TEST(Appearance, ColoursRoundTripThroughTheirChannels) {
  struct Case {
    int32_t bgr;
    Rgb rgb;
  };
  const Case cases[] = {
      {0, {0, 0, 0}},
      {255, {255, 0, 0}},              // red in the low byte
      {65535, {255, 255, 0}},          // yellow
      {16777088, {128, 255, 255}},     // light cyan
      {16777215, {255, 255, 255}},     // white
      {0x00123456, {0x56, 0x34, 0x12}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    EXPECT_EQ(RgbFromBgr(c.bgr), c.rgb) << c.bgr;
    EXPECT_EQ(BgrFromRgb(c.rgb), c.bgr) << c.bgr;
  }
  // Bits above the colour are not part of it; channels out of range are clamped.
  EXPECT_EQ(RgbFromBgr(static_cast<int32_t>(0x7F0000FF)), (Rgb{255, 0, 0}));
  EXPECT_EQ(RgbFromBgr(-1), (Rgb{255, 255, 255}));
  EXPECT_EQ(BgrFromRgb({300, -4, 128}), 255 | (128 << 16));
}

double Luminance(int32_t bgr) {
  const Rgb rgb = RgbFromBgr(bgr);
  auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(rgb.red) + 0.7152 * linear(rgb.green) + 0.0722 * linear(rgb.blue);
}

TEST(Appearance, PaletteRowsReadWellOnTheBackgroundTheyGive) {
  std::set<int32_t> seen;
  for (int i = 0; i < kSwatches; ++i) {
    const int32_t colour = SwatchColour(i);
    EXPECT_TRUE(seen.insert(colour).second) << "swatch " << i << " repeats a colour";
    const int row = i / kSwatchColumns + 1;
    EXPECT_EQ(SwatchBackground(i), row <= 3 ? 0 : 1) << i;
    // Contrast against the black or white background, as the table shows it.
    const double l = Luminance(colour);
    const double contrast = SwatchBackground(i) == 0 ? (l + 0.05) / 0.05 : 1.05 / (l + 0.05);
    EXPECT_GE(contrast, 3.0) << "swatch " << i;
    EXPECT_EQ(SwatchOf(colour), i);
  }
  EXPECT_EQ(SwatchOf(0x00010203), -1);
  // Every default colour can be chosen again, and it sits on its default background.
  for (const TextColour& colour : DefaultTextColours()) {
    const int swatch = SwatchOf(colour.colour);
    ASSERT_GE(swatch, 0) << colour.colour;
    EXPECT_EQ(SwatchBackground(swatch), colour.background) << colour.colour;
  }
}

TEST(Appearance, TextItemsMapToTheirSettingsKeys) {
  Settings s;
  std::array<TextColour, kTextItems> colours{};
  for (int i = 0; i < kTextItems; ++i) colours.at(static_cast<size_t>(i)) = {static_cast<int16_t>(i % 2), 100 + i};
  SetTextColours(s, colours);
  EXPECT_EQ(s.PlayerNames.colour, 100);
  EXPECT_EQ(s.NumberOfCard.colour, 101);
  EXPECT_EQ(s.PlayerScore.colour, 102);
  EXPECT_EQ(s.Message_1.colour, 103);
  EXPECT_EQ(s.Message_2.colour, 104);
  EXPECT_EQ(s.PlayerScore.background, 0);
  EXPECT_EQ(s.Message_1.background, 1);
  const auto back = TextColours(s);
  for (int i = 0; i < kTextItems; ++i) {
    EXPECT_EQ(back.at(static_cast<size_t>(i)).colour, 100 + i);
    EXPECT_EQ(&TextColourOf(s, TextItem(i)), &TextColourOf(s, TextItem(i)));
  }
  EXPECT_STREQ(TextItemCaption(TextItem::Message_2), "ﾒｯｾｰｼﾞ２");

  // The card counts stand on the names' background whatever their own flag.
  colours.at(0).background = 1;
  colours.at(1).background = 0;
  EXPECT_EQ(ShownBackground(colours, TextItem::NumberOfCard), 1);
  EXPECT_EQ(ShownBackground(colours, TextItem::PlayerNames), 1);
  EXPECT_EQ(ShownBackground(colours, TextItem::Message_1), 1);
  EXPECT_EQ(ShownBackground(colours, TextItem::PlayerScore), 0);
}

TEST(Appearance, PathsJoinWithOneSlash) {
  struct Case {
    const char* folder;
    const char* file;
    const char* joined;
  };
  const Case cases[] = {
      {"/home/u/pics", "table.bmp", "/home/u/pics/table.bmp"},
      {"/home/u/pics/", "table.bmp", "/home/u/pics/table.bmp"},
      {"/", "table.bmp", "/table.bmp"},
      {"", "table.bmp", "/table.bmp"},
  };
  for (const Case& c : cases) EXPECT_EQ(JoinFolderFile(c.folder, c.file), c.joined) << c.folder;
  EXPECT_EQ(FolderOf("/home/u/pics/table.bmp"), "/home/u/pics");
  EXPECT_EQ(FolderOf("/table.bmp"), "/");
  EXPECT_EQ(FolderOf("table.bmp"), "");
  EXPECT_EQ(FileNameOf("/home/u/pics/table.bmp"), "table.bmp");
  EXPECT_EQ(FileNameOf("table.bmp"), "table.bmp");
}

TEST(Appearance, CardBackImagesAndDesigns) {
  for (int kind = 0; kind <= 9; ++kind) EXPECT_EQ(CardKindOfImage(ImageOfCardKind(kind)), kind);
  EXPECT_EQ(CardKindOfImage(3), 2);  // the third picture
  EXPECT_EQ(ImageOfCardKind(-1), 0);
  EXPECT_EQ(ImageOfCardKind(10), 0);
}

}  // namespace
}  // namespace winpiruk
