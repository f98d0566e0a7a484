#pragma once
// The call and counter-call banners with their masks.
#include <QImage>

namespace winpiruk::artwork {

struct Banner {
  QImage picture;  // black wherever the mask is white
  QImage mask;     // black where the banner is, white around it
};

// "ぴるく" for a call, "ぴるくがえし" for a counter-call; horizontal for the
// top and bottom seats, vertical (the words written top to bottom) for the
// side seats. Drawn `scale` times the files' size.
Banner DrawBanner(bool counter_call, bool vertical, double scale = 1.0);

}  // namespace winpiruk::artwork
