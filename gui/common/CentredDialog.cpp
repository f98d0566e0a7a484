#include "gui/common/CentredDialog.h"

#include <QShowEvent>

#include "gui/common/SpokenNames.h"
#include "gui/common/WindowPlacement.h"

namespace winpiruk {

void CentredDialog::showEvent(QShowEvent* event) {
  // After the dialog's own placement over its parent, which this replaces.
  QDialog::showEvent(event);
  if (!event->spontaneous()) {
    CentreOnScreen(*this);
    // By now every control and its label are in place.
    NameControlsForReaders(*this);
  }
}

}  // namespace winpiruk
