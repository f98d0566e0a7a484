#pragma once
// F1 in a window opens the program's help page over it, at the window's
// own section.
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <string>

#include "gui/common/HelpWindow.h"

namespace winpiruk {

inline void AddHelpKey(QWidget& window, const std::string& program_directory,
                       const QString& section = kHelpContents) {
  auto* key = new QShortcut(QKeySequence::HelpContents, &window);
  QObject::connect(key, &QShortcut::activated, &window, [&window, program_directory, section] {
    ShowHelpSection(&window, program_directory, section);
  });
}

}  // namespace winpiruk
