#include "gui/start/SplashWindow.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/common/Messages.h"
#include "gui/start/Banner.h"

namespace winpiruk {

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("SplashWindow"));
  setWindowTitle(ProgramTitle());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 18, 24, 18);
  QLabel* pictureLabel = AddPictureLabel(*this, QApplication::windowIcon().pixmap(48, 48));
  QLabel* bannerLabel = AddBannerLabel(*this);
  QFont banner_font = bannerLabel->font();
  banner_font.setPointSize(banner_font.pointSize() + 2);
  bannerLabel->setFont(banner_font);
  auto* separatorLine = new QFrame(this);
  separatorLine->setObjectName(QStringLiteral("separatorLine"));
  separatorLine->setFrameShape(QFrame::HLine);
  auto* loadingLabel = new QLabel(tr("設定とメンバーを読み込んでいます..."), this);
  loadingLabel->setObjectName(QStringLiteral("loadingLabel"));
  auto* waitLabel = new QLabel(tr("しばらくお待ちください."), this);
  waitLabel->setObjectName(QStringLiteral("waitLabel"));
  layout->addWidget(pictureLabel, 0, Qt::AlignHCenter);
  layout->addWidget(bannerLabel);
  layout->addWidget(separatorLine);
  layout->addWidget(loadingLabel);
  layout->addWidget(waitLabel);
}

}  // namespace winpiruk
