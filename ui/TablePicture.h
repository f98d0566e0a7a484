#pragma once
// A picture on the table: shows one pixmap and reports clicks.
#include <QLabel>

namespace winpiruk {

class TablePicture : public QLabel {
  Q_OBJECT

 public:
  explicit TablePicture(QWidget* parent = nullptr);

 signals:
  void clicked();
  void doubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A label of the table: a text that reports clicks.
class TableText : public QLabel {
  Q_OBJECT

 public:
  explicit TableText(QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace winpiruk
