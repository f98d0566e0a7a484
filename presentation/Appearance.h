#pragma once
// The rules of the appearance windows: the colours of the table texts and
// their palette, the background picture's path and the card back choice.
#include <array>
#include <cstdint>
#include <string>

#include "state/Settings.h"

namespace winpiruk {

// A colour as its three channels, red in the low byte of the stored value.
struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The table's felt where no background picture covers it. The generated
// pictures fill their opaque surrounds (card corners, arrow squares) with it,
// so that they sit on the table without a seam.
constexpr Rgb kTableFelt{0x18, 0x6e, 0x3c};

// 0x00BBGGRR to channels; bits above the 24 colour bits are ignored.
Rgb RgbFromBgr(int32_t bgr);
// Channels (each clamped to 0..255) to 0x00BBGGRR.
int32_t BgrFromRgb(const Rgb& rgb);

// The table's text items in the order the colour window lists them.
enum class TextItem { PlayerNames, NumberOfCard, PlayerScore, Message_1, Message_2 };
constexpr int kTextItems = 5;

// "ﾌﾟﾚｰﾔｰ名", "所持枚数", "持ち点", "ﾒｯｾｰｼﾞ１", "ﾒｯｾｰｼﾞ２": source texts,
// shown through Tr("Appearance", caption).
const char* TextItemCaption(TextItem item);
TextColour& TextColourOf(Settings& settings, TextItem item);
const TextColour& TextColourOf(const Settings& settings, TextItem item);

// The card counts have no background of their own: they stand on the
// player names' background.
int16_t ShownBackground(const std::array<TextColour, kTextItems>& colours, TextItem item);

// The five items as the settings hold them, and back.
std::array<TextColour, kTextItems> TextColours(const Settings& settings);
void SetTextColours(Settings& settings, const std::array<TextColour, kTextItems>& colours);
// The colours of a fresh settings record.
std::array<TextColour, kTextItems> DefaultTextColours();

// The colour window's palette: six rows of eight swatches. Rows 1..3 hold
// light colours shown on black, rows 4..6 dark colours shown on white.
constexpr int kSwatchColumns = 8;
constexpr int kSwatchRows = 6;
constexpr int kSwatches = kSwatchColumns * kSwatchRows;
// The swatch's colour, 0x00BBGGRR; index 0..47, row by row from the top left.
int32_t SwatchColour(int index);
// The background flag a swatch gives its item: 0 black for rows 1..3, 1 white for rows 4..6.
int16_t SwatchBackground(int index);
// The swatch of a colour, or -1 when the palette does not hold it.
int SwatchOf(int32_t bgr);

// A folder and a file name joined with one "/" (none added when the folder
// already ends with one).
std::string JoinFolderFile(const std::string& folder, const std::string& file_name);
// The folder part of a path ("" for a bare name, "/" for a file in the root).
std::string FolderOf(const std::string& path);
// The name after the last "/".
std::string FileNameOf(const std::string& path);

// The card settings window shows design k in Image k+1.
int16_t CardKindOfImage(int image_number);
// The image framed for a design; 0 when the design is outside 0..9.
int ImageOfCardKind(int card_kind);

}  // namespace winpiruk
