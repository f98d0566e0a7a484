#include "members/windows/CardPicture.h"

#include <QMouseEvent>

namespace winpiruk {

void CardPicture::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
}

}  // namespace winpiruk
