#pragma once
// The green cloth the dealer draw and the seating plan are laid on.
#include <QString>

namespace winpiruk {

// For the frame named `name`, and the white labels on it.
inline QString FeltStyle(const QString& name) {
  return QStringLiteral(
             "QFrame#%1 { background: qradialgradient(cx:0.5, cy:0.45, radius:0.8, stop:0 #2f8a4e, stop:1 #1b5c33);"
             " border: 1px solid #12401f; border-radius: 6px; }"
             "QFrame#%1 QLabel { color: white; }")
      .arg(name);
}

}  // namespace winpiruk
