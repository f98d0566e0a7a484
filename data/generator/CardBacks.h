#pragma once
// The ten card back designs.
#include <QImage>

#include "presentation/PictureNames.h"

namespace winpiruk::datagen {

// Design `kind` (0..9) in the given orientation: upright and upside down are
// card sized, the turned ones for the side seats are card sized on their
// side.
QImage DrawCardBack(int kind, BackOrientation orientation);

}  // namespace winpiruk::datagen
