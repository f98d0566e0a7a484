#pragma once
// Positions and sizes are kept in twips; the screen works in pixels.
// 15 twips make one pixel at 96 dpi.

namespace winpiruk {

constexpr int kTwipsPerPixel = 15;
constexpr int PixelsFromTwips(int twips) { return twips / kTwipsPerPixel; }
constexpr long long TwipsFromPixels(long long pixels) { return pixels * kTwipsPerPixel; }

// The table as designed.
constexpr int kDesignWidthTwips = 8115;
constexpr int kDesignHeightTwips = 5385;

}  // namespace winpiruk
