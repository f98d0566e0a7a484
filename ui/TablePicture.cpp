#include "ui/TablePicture.h"

#include <QMouseEvent>

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

TableText::TableText(QWidget* parent) : QLabel(parent) {}

void TableText::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  QLabel::mousePressEvent(event);
}

}  // namespace winpiruk
