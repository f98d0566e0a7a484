#include "gui/common/SpokenNames.h"

#include <QAccessible>
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
  // Blanks that only space out Japanese characters for the eye ("度  胸")
  // would have the word read letter by letter.
  QString joined;
  for (qsizetype i = 0; i < spoken.size(); ++i) {
    if (spoken.at(i).isSpace() && !joined.isEmpty() && joined.back().unicode() > 0xFF) {
      qsizetype next = i;
      while (next < spoken.size() && spoken.at(next).isSpace()) ++next;
      if (next < spoken.size() && spoken.at(next).unicode() > 0xFF) {
        i = next - 1;
        continue;
      }
    }
    joined += spoken.at(i);
  }
  spoken = joined.trimmed();
  while (spoken.endsWith(QLatin1Char(':')) || spoken.endsWith(QChar(0xFF1A))) {
    spoken.chop(1);
    spoken = spoken.trimmed();
  }
  return spoken;
}

void NameAfter(QWidget& control, const QString& caption) { control.setAccessibleName(SpokenCaption(caption)); }

void NameAfterLabel(QWidget& control, const QLabel& label) { NameAfter(control, label.text()); }

void NameControlsForReaders(QWidget& window) {
  for (QLabel* label : window.findChildren<QLabel*>()) {
    QWidget* buddy = label->buddy();
    if (buddy != nullptr && buddy->accessibleName().isEmpty()) NameAfterLabel(*buddy, *label);
  }
  // Most controls read their tooltip as it stands; only those that do not are
  // given it here, once.
  for (QWidget* control : window.findChildren<QWidget*>()) {
    if (control->toolTip().isEmpty() || !control->accessibleDescription().isEmpty()) continue;
    const QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
    if (spoken != nullptr && spoken->text(QAccessible::Description).isEmpty()) {
      control->setAccessibleDescription(control->toolTip());
    }
  }
}

void TabInOrder(const std::vector<QWidget*>& controls) {
  QWidget* previous = nullptr;
  for (QWidget* control : controls) {
    if (previous != nullptr) QWidget::setTabOrder(previous, control);
    previous = control;
  }
}

}  // namespace winpiruk
