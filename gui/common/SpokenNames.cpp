#include "gui/common/SpokenNames.h"

#include <QLabel>
#include <QWidget>

namespace winpiruk {

QString SpokenCaption(const QString& caption) {
  QString spoken;
  spoken.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    // "&&" shows one &; a lone & only marks the access key.
    if (caption.at(i) == QLatin1Char('&')) {
      if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) spoken += caption.at(++i);
      continue;
    }
    spoken += caption.at(i);
  }
  spoken = spoken.trimmed();
  while (spoken.endsWith(QLatin1Char(':')) || spoken.endsWith(QChar(0xFF1A))) {
    spoken.chop(1);
    spoken = spoken.trimmed();
  }
  return spoken;
}

void NameAfter(QWidget& control, const QString& caption) { control.setAccessibleName(SpokenCaption(caption)); }

void NameAfterLabel(QWidget& control, const QLabel& label) { NameAfter(control, label.text()); }

}  // namespace winpiruk
