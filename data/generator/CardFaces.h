#pragma once
// Card faces: the table size and the smaller size shown inside the call
// banners.
#include <QImage>

namespace winpiruk::datagen {

// code 1..52 (suit = (code - 1) / 13, rank = (code - 1) % 13 + 1).
QImage DrawCardFace(int code);
QImage DrawBannerCardFace(int code);

// "A", "2" … "10", "J", "Q", "K".
QString RankText(int rank);

}  // namespace winpiruk::datagen
