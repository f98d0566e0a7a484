#include "gui/common/CentredDialog.h"

#include <QShowEvent>

#include "gui/common/WindowPlacement.h"

namespace winpiruk {

void CentredDialog::showEvent(QShowEvent* event) {
  // After the dialog's own placement over its parent, which this replaces.
  QDialog::showEvent(event);
  if (!event->spontaneous()) CentreOnScreen(*this);
}

}  // namespace winpiruk
