#pragma once
// A picture on the table: shows one pixmap and reports clicks.
#include <QLabel>

namespace winpiruk {

class TablePicture : public QLabel {
  Q_OBJECT

 public:
  explicit TablePicture(QWidget* parent = nullptr);

  // A marked picture wears a light frame over its pixmap, drawn at the
  // picture's own size so that it follows any zoom of the table.
  void SetMarked(bool marked);
  bool Marked() const { return marked_; }

 signals:
  void clicked();
  void doubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool marked_ = false;
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
