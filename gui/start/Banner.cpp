#include "gui/start/Banner.h"

#include <QLabel>
#include <QPixmap>

#include "state/Settings.h"

namespace winpiruk {

QString ProgramBanner() {
  return QStringLiteral("ぴるく for Windows95/NT\n Version ") + QString::fromLatin1(kProgramVersion) +
         QStringLiteral("\n\nLinux デスクトップ版\n札も音も、このプログラムが自分で描いています.");
}

QLabel* AddPictureLabel(QWidget& window, const QPixmap& picture) {
  auto* label = new QLabel(&window);
  label->setObjectName(QStringLiteral("pictureLabel"));
  label->setPixmap(picture);
  return label;
}

QLabel* AddBannerLabel(QWidget& window) {
  auto* label = new QLabel(ProgramBanner(), &window);
  label->setObjectName(QStringLiteral("bannerLabel"));
  return label;
}

}  // namespace winpiruk
