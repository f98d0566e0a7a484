#pragma once
// The version window: name, version and three facts about the machine.
#include <QDialog>

class QLabel;
class QPushButton;

namespace winpiruk {

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);

  QLabel* Picture2 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;  // captions of the machine facts
  QLabel* Label3 = nullptr;  // the machine facts
  QPushButton* Command1 = nullptr;
};

}  // namespace winpiruk
