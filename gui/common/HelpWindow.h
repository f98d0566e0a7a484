#pragma once
// The help window: the program's own rules page, opened at its contents.
#include <QDialog>
#include <QString>
#include <string>

class QTextBrowser;
class QPushButton;

namespace winpiruk {

// The page under the program directory.
QString HelpContentsPath(const std::string& program_directory);

class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the page at its contents; false (and the page left empty) when
  // the file cannot be read.
  bool OpenContents(const QString& page_path);
  // The same at one of the page's sections (an anchor of the page).
  bool OpenSection(const QString& page_path, const QString& section);

  QTextBrowser* Browser = nullptr;
  QPushButton* Contents = nullptr;
  QPushButton* Back = nullptr;
  QPushButton* CloseButton = nullptr;
};

// Opens the help window at the contents of the help page, or brings it to
// the front when it is already open. A missing page is reported with its
// path in a message box and no window opens.
void ShowHelpContents(QWidget* parent, const std::string& program_directory);

// The page's sections that windows open their help at.
inline const QString kHelpContents = QStringLiteral("contents");
inline const QString kHelpRules = QStringLiteral("options");
inline const QString kHelpMembers = QStringLiteral("members");

// The same at one section of the page.
void ShowHelpSection(QWidget* parent, const std::string& program_directory, const QString& section);

}  // namespace winpiruk
