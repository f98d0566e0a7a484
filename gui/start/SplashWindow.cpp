#include "gui/start/SplashWindow.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "state/Settings.h"
#include "gui/common/Messages.h"

namespace winpiruk {

QString ProgramBanner() {
  return QStringLiteral("ぴるく for Windows95/NT\n Version ") + QString::fromLatin1(kProgramVersion) +
         QStringLiteral("\n\nLinux デスクトップ版\n札も音も、このプログラムが自分で描いています.");
}

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("SplashWindow"));
  setWindowTitle(kProgramTitle);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 18, 24, 18);
  Picture1 = new QLabel(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setPixmap(QApplication::windowIcon().pixmap(48, 48));
  Label1 = new QLabel(ProgramBanner(), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont banner_font = Label1->font();
  banner_font.setPointSize(banner_font.pointSize() + 2);
  Label1->setFont(banner_font);
  Line1 = new QFrame(this);
  Line1->setObjectName(QStringLiteral("Line1"));
  Line1->setFrameShape(QFrame::HLine);
  Label2 = new QLabel(QStringLiteral("設定とメンバーを読み込んでいます..."), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label3 = new QLabel(QStringLiteral("しばらくお待ちください."), this);
  Label3->setObjectName(QStringLiteral("Label3"));
  layout->addWidget(Picture1, 0, Qt::AlignHCenter);
  layout->addWidget(Label1);
  layout->addWidget(Line1);
  layout->addWidget(Label2);
  layout->addWidget(Label3);
}

}  // namespace winpiruk
