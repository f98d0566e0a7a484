#pragma once
// A dialog that opens in the middle of its screen, whatever its parent.
#include <QDialog>

namespace winpiruk {

class CentredDialog : public QDialog {
  Q_OBJECT

 public:
  using QDialog::QDialog;

 protected:
  // Centred each time the program opens it; brought back by the window
  // system (after being minimised) it stays where it was.
  void showEvent(QShowEvent* event) override;
};

}  // namespace winpiruk
