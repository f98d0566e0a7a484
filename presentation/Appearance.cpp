#include "presentation/Appearance.h"

#include <algorithm>

#include "presentation/PictureNames.h"
#include "state/Translation.h"

namespace winpiruk {
namespace {

constexpr int32_t Bgr(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }

// Light colours in the first three rows (read on black), dark ones in the
// last three (read on white); the defaults of the text items are among them.
constexpr std::array<int32_t, kSwatches> kPalette = {
    // Whites, yellows, oranges.
    Bgr(255, 255, 255), Bgr(192, 192, 192), Bgr(255, 255, 160), Bgr(255, 255, 0), Bgr(255, 215, 0),
    Bgr(255, 165, 0), Bgr(255, 192, 128), Bgr(255, 218, 185),
    // Reds, pinks, violets.
    Bgr(255, 0, 0), Bgr(255, 99, 71), Bgr(250, 128, 114), Bgr(255, 105, 180), Bgr(255, 182, 193),
    Bgr(255, 0, 255), Bgr(238, 130, 238), Bgr(200, 160, 255),
    // Greens, cyans, blues.
    Bgr(0, 255, 0), Bgr(144, 238, 144), Bgr(127, 255, 212), Bgr(0, 255, 255), Bgr(128, 255, 255),
    Bgr(135, 206, 250), Bgr(100, 149, 237), Bgr(173, 216, 230),
    // Greys and blues.
    Bgr(0, 0, 0), Bgr(64, 64, 64), Bgr(105, 105, 105), Bgr(47, 79, 79), Bgr(0, 0, 128), Bgr(0, 0, 255),
    Bgr(25, 25, 112), Bgr(65, 105, 225),
    // Reds and browns.
    Bgr(128, 0, 0), Bgr(139, 0, 0), Bgr(165, 42, 42), Bgr(178, 34, 34), Bgr(220, 20, 60),
    Bgr(210, 105, 30), Bgr(139, 69, 19), Bgr(192, 80, 0),
    // Greens and purples.
    Bgr(0, 128, 0), Bgr(0, 100, 0), Bgr(0, 128, 128), Bgr(128, 128, 0), Bgr(85, 107, 47), Bgr(128, 0, 128),
    Bgr(75, 0, 130), Bgr(139, 0, 139),
};

constexpr std::array<const char*, kTextItems> kCaptions = {
    TrNoop("Appearance", "ﾌﾟﾚｰﾔｰ名"), TrNoop("Appearance", "所持枚数"), TrNoop("Appearance", "持ち点"),
    TrNoop("Appearance", "ﾒｯｾｰｼﾞ１"), TrNoop("Appearance", "ﾒｯｾｰｼﾞ２")};

}  // namespace

Rgb RgbFromBgr(int32_t bgr) {
  const auto value = static_cast<uint32_t>(bgr);
  return {static_cast<int>(value & 0xFFU), static_cast<int>((value >> 8U) & 0xFFU),
          static_cast<int>((value >> 16U) & 0xFFU)};
}

int32_t BgrFromRgb(const Rgb& rgb) {
  return Bgr(std::clamp(rgb.red, 0, 255), std::clamp(rgb.green, 0, 255), std::clamp(rgb.blue, 0, 255));
}

const char* TextItemCaption(TextItem item) { return kCaptions.at(static_cast<size_t>(item)); }

namespace {

template <class S>
auto& ItemOf(S& settings, TextItem item) {
  switch (item) {
    case TextItem::PlayerNames: return settings.PlayerNames;
    case TextItem::NumberOfCard: return settings.NumberOfCard;
    case TextItem::PlayerScore: return settings.PlayerScore;
    case TextItem::Message_1: return settings.Message_1;
    case TextItem::Message_2: break;
  }
  return settings.Message_2;
}

}  // namespace

TextColour& TextColourOf(Settings& settings, TextItem item) { return ItemOf(settings, item); }

const TextColour& TextColourOf(const Settings& settings, TextItem item) { return ItemOf(settings, item); }

int16_t ShownBackground(const std::array<TextColour, kTextItems>& colours, TextItem item) {
  const TextItem owner = item == TextItem::NumberOfCard ? TextItem::PlayerNames : item;
  return colours.at(static_cast<size_t>(owner)).background;
}

std::array<TextColour, kTextItems> TextColours(const Settings& settings) {
  std::array<TextColour, kTextItems> colours{};
  for (int i = 0; i < kTextItems; ++i) colours.at(static_cast<size_t>(i)) = TextColourOf(settings, TextItem(i));
  return colours;
}

void SetTextColours(Settings& settings, const std::array<TextColour, kTextItems>& colours) {
  for (int i = 0; i < kTextItems; ++i) TextColourOf(settings, TextItem(i)) = colours.at(static_cast<size_t>(i));
}

std::array<TextColour, kTextItems> DefaultTextColours() { return TextColours(Settings{}); }

int32_t SwatchColour(int index) { return kPalette.at(static_cast<size_t>(std::clamp(index, 0, kSwatches - 1))); }

int16_t SwatchBackground(int index) { return index / kSwatchColumns < kSwatchRows / 2 ? 0 : 1; }

int SwatchOf(int32_t bgr) {
  const auto found = std::find(kPalette.begin(), kPalette.end(), bgr & 0xFFFFFF);
  return found == kPalette.end() ? -1 : static_cast<int>(found - kPalette.begin());
}

std::string JoinFolderFile(const std::string& folder, const std::string& file_name) {
  if (!folder.empty() && folder.back() == '/') return folder + file_name;
  return folder + "/" + file_name;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string FileNameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

int16_t CardKindOfImage(int image_number) {
  return static_cast<int16_t>(std::clamp(image_number, 1, kCardBackKinds) - 1);
}

int ImageOfCardKind(int card_kind) {
  return card_kind >= 0 && card_kind < kCardBackKinds ? card_kind + 1 : 0;
}

}  // namespace winpiruk
