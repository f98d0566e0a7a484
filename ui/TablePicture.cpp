#include "ui/TablePicture.h"

#include <QMouseEvent>

namespace winpiruk {

TablePicture::TablePicture(QWidget* parent) : QLabel(parent) {
  setScaledContents(false);
  setAttribute(Qt::WA_TranslucentBackground);
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
