#include "gui/table/TablePicture.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace winpiruk {

TablePicture::TablePicture(QWidget* parent) : QLabel(parent) {
  setScaledContents(false);
  setAttribute(Qt::WA_TranslucentBackground);
}

void TablePicture::ShowDrawn(Drawing drawing) {
  drawing_ = std::move(drawing);
  Draw();
}

void TablePicture::Redraw() {
  // A pixmap set by other means is not this drawing's to replace.
  if (drawing_ && pixmap().cacheKey() != drawn_key_) drawing_ = {};
  if (!drawing_) return;
  if (isHidden()) {
    stale_ = true;
    return;
  }
  Draw();
}

void TablePicture::Draw() {
  stale_ = false;
  if (!drawing_) return;
  setPixmap(drawing_());
  drawn_key_ = pixmap().cacheKey();
}

void TablePicture::showEvent(QShowEvent* event) {
  if (stale_) Draw();
  QLabel::showEvent(event);
}

void TablePicture::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  QLabel::mousePressEvent(event);
}

void TablePicture::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
  QLabel::mouseDoubleClickEvent(event);
}

void TablePicture::SetMarked(bool marked) {
  if (marked == marked_) return;
  marked_ = marked;
  update();
}

void TablePicture::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!marked_) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  // A gold line with a dark edge reads on the green felt and on a white card alike.
  const qreal line = std::max(2.0, width() / 14.0);
  const QRectF frame = QRectF(rect()).adjusted(line / 2, line / 2, -line / 2, -line / 2);
  const qreal corner = std::max(3.0, width() / 9.0);
  painter.setPen(QPen(QColor(40, 30, 0, 200), line + 2));
  painter.drawRoundedRect(frame, corner, corner);
  painter.setPen(QPen(QColor(255, 214, 10), line));
  painter.drawRoundedRect(frame, corner, corner);
}

TableText::TableText(QWidget* parent) : QLabel(parent) {}

void TableText::SetPlace(const QRect& place) {
  place_ = place;
  placed_ = true;
}

void TableText::ShowText(const QString& text) {
  if (!placed_) {
    setText(text);
    return;
  }
  if (elided_) {
    const QString shown = fontMetrics().elidedText(text, Qt::ElideRight, place_.width() - 4);
    full_text_ = text;
    setText(shown);
    setToolTip(shown == text ? QString() : text);
  } else {
    setText(text);
  }
  const int width = std::min(place_.width(), sizeHint().width() + 4);
  QRect box(place_.left(), place_.top(), width, place_.height());
  if ((alignment() & Qt::AlignHCenter) != 0) box.moveLeft(place_.center().x() - width / 2);
  setGeometry(box);
}

void TableText::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  QLabel::mousePressEvent(event);
}

}  // namespace winpiruk
