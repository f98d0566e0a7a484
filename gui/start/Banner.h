#pragma once
// What the start-up and version windows both show: a picture over or beside
// the program's name and version.
#include <QString>

class QLabel;
class QPixmap;
class QWidget;

namespace winpiruk {

// "ぴるく for " and the system's name, the version and the two notice lines.
QString ProgramBanner();

// The picture, named "pictureLabel", and the banner text, named "bannerLabel".
QLabel* AddPictureLabel(QWidget& window, const QPixmap& picture);
QLabel* AddBannerLabel(QWidget& window);

}  // namespace winpiruk
