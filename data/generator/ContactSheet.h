#pragma once
// One picture of every picture made, for looking them over.
#include <QImage>
#include <QString>
#include <vector>

namespace winpiruk::datagen {

struct NamedPicture {
  QString name;
  QImage image;
};

// The pictures in rows, each with its file name under it, on the table's
// felt; pictures of a group (faces, backs, …) start a new row.
QImage ContactSheet(const std::vector<std::vector<NamedPicture>>& groups, int scale = 1);

}  // namespace winpiruk::datagen

#include "artwork/Banners.h"

namespace winpiruk::datagen {

// The banner as the table shows it: the mask ANDed onto the felt, the
// picture XORed over it, with a few of the small faces in its tray.
QImage MaskedOnFelt(const artwork::Banner& banner, bool vertical);

}  // namespace winpiruk::datagen
