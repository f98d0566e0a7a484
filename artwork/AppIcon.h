#pragma once
// The program's icon: a fan of three cards, the front one a heart, drawn
// by code at any size (the launcher's sizes, the window's icon).
#include <QIcon>
#include <QImage>

class QPainter;

namespace winpiruk::artwork {

// The icon's sizes in the desktop's icon theme.
inline constexpr int kAppIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

// Paints the icon into the square (0, 0, size, size).
void PaintAppIcon(QPainter& painter, int size);

// The icon on a transparent square of size × size pixels.
QImage AppIconImage(int size);

// Every size of kAppIconSizes, for a window.
QIcon AppIcon();

}  // namespace winpiruk::artwork
