#include "gui/members/DealerDrawCard.h"

#include <QMouseEvent>

namespace winpiruk {

void DealerDrawCard::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
}

}  // namespace winpiruk
