#pragma once
// The start-up window: the program's name and version while the settings
// and members load.
#include <QWidget>

class QLabel;
class QFrame;

namespace winpiruk {

class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SplashWindow(QWidget* parent = nullptr);

  QLabel* Picture1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QFrame* Line1 = nullptr;
};

// "ぴるく for Windows95/NT" and the version with the two notice lines; the
// version window shows the same text.
QString ProgramBanner();

}  // namespace winpiruk
