#include "gui/start/Banner.h"

#include <QLabel>
#include <QPixmap>

#include "config/MachineFacts.h"
#include "state/Settings.h"

namespace winpiruk {

QString ProgramBanner() {
  // The system it runs on, as the system names itself.
  return QStringLiteral("ぴるく for ") + QString::fromStdString(PlatformName()) + QStringLiteral("\n Version ") +
         QString::fromLatin1(kProgramVersion) +
         QStringLiteral("\n\nデスクトップ版\n札も音も、このプログラムが自分で描いています.");
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
