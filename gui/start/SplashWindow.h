#pragma once
// The start-up window: the program's name and version while the settings
// and members load.
#include <QWidget>

namespace winpiruk {

class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SplashWindow(QWidget* parent = nullptr);
};

}  // namespace winpiruk
