#pragma once
// Enter in a field of a dialog: it moves on (to OK, mostly) rather than
// pressing the dialog's default button or reaching the field.
#include <QWidget>
#include <functional>

namespace winpiruk {

// Either Enter key in `field` runs `action` and goes no further. The filter
// lives as long as the field.
void OnEnterKey(QWidget& field, std::function<void()> action);

// Either Enter key in `field` gives `next` the focus without pressing it.
void EnterMovesFocusTo(QWidget& field, QWidget& next, Qt::FocusReason reason = Qt::OtherFocusReason);

}  // namespace winpiruk
