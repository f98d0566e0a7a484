#pragma once
// The version window: name, version and three facts about the machine.
#include <QDialog>

namespace winpiruk {

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace winpiruk
