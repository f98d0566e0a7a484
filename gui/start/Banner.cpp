#include "gui/start/Banner.h"

#include <QLabel>
#include <QPixmap>

#include "config/MachineFacts.h"
#include "state/Settings.h"
#include <QCoreApplication>

namespace winpiruk {

QString ProgramBanner() {
  // The system it runs on, as the system names itself.
  return QCoreApplication::translate("Banner", "ぴるく for %1\n Version %2\n\nデスクトップ版\n札も音も、このプログラムが自分で描いています.")
      .arg(QString::fromStdString(PlatformName()), QString::fromLatin1(kProgramVersion));
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
