#pragma once
// F1 in a settings window opens the program's help page over it.
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <string>

#include "gui/common/HelpWindow.h"

namespace winpiruk {

inline void AddHelpKey(QWidget& window, const std::string& program_directory) {
  auto* key = new QShortcut(QKeySequence::HelpContents, &window);
  QObject::connect(key, &QShortcut::activated, &window,
                   [&window, program_directory] { ShowHelpContents(&window, program_directory); });
}

}  // namespace winpiruk
