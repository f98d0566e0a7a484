#pragma once
// The ten card back designs.
#include <QImage>

#include "presentation/PictureNames.h"

namespace winpiruk::artwork {

// Design `kind` (0..9) in the given orientation: upright and upside down are
// card sized, the turned ones for the side seats are card sized on their
// side. Drawn `scale` times the files' size.
QImage DrawCardBack(int kind, BackOrientation orientation, double scale = 1.0);

}  // namespace winpiruk::artwork
