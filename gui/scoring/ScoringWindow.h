#pragma once
// What the scoring windows share: each opens modal over the table at a size
// of its own, with a title and a close box only.
#include <QDialog>
#include <QString>

namespace winpiruk {

inline void SetUpScoringWindow(QDialog& window, const QString& name, const QString& title) {
  window.setObjectName(name);
  window.setWindowTitle(title);
  window.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                        Qt::MSWindowsFixedSizeDialogHint);
  window.setModal(true);
}

}  // namespace winpiruk
