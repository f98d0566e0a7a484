#pragma once
// A picture on the table: shows one pixmap and reports clicks. A picture
// shown through its drawing is drawn again when the table changes its zoom.
#include <QLabel>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <functional>

namespace winpiruk {

class TablePicture : public QLabel {
  Q_OBJECT

 public:
  using Drawing = std::function<QPixmap()>;

  explicit TablePicture(QWidget* parent = nullptr);

  // Shows what `drawing` makes now, and again at every Redraw().
  void ShowDrawn(Drawing drawing);
  // Draws the picture again at the table's present size. A hidden one waits
  // until it is shown; one whose pixmap was set directly has no drawing.
  void Redraw();
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
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Draw();

  Drawing drawing_;
  qint64 drawn_key_ = 0;  // the pixmap the drawing made last
  bool stale_ = false;
  bool marked_ = false;
};

// A label of the table: a text that reports clicks. A label with a place
// on the table shows its text in a box that hugs it, the place being the
// most it may take.
class TableText : public QLabel {
  Q_OBJECT

 public:
  explicit TableText(QWidget* parent = nullptr);

  // The most room the text may take, in pixels of the table area.
  void SetPlace(const QRect& place);
  // A name longer than its place ends in an ellipsis rather than being cut
  // off mid-character; the tooltip holds the whole name.
  void SetElided(bool elided) { elided_ = elided; }
  // Shows the text and fits the box to it within the place.
  void ShowText(const QString& text);
  // The whole text, also of a name shown shortened.
  QString FullText() const { return elided_ ? full_text_ : text(); }
  // Fits the box again after the place or the font changed.
  void Refit() { ShowText(FullText()); }

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QRect place_;
  bool placed_ = false;
  bool elided_ = false;
  QString full_text_;
};

}  // namespace winpiruk
