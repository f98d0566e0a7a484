#pragma once
// The shared arrangement of the save and open windows: the name above the
// file list, the folder path above the folder tree, the volume below it and
// the buttons at the right.
#include <QString>
#include <string>

class QGridLayout;
class QPushButton;
class QWidget;

namespace winpiruk {

class RuleSetBrowser;

// `name_row` is the label (and the name box, when there is one) over the file list.
QGridLayout* LayOutRuleSetWindow(QWidget* window, RuleSetBrowser& lists, QWidget* name_label, QWidget* name_box,
                                 QPushButton* ok, QPushButton* cancel);

// The folder a rule-set window starts in: the last one opened, else home.
QString StartingRuleSetDirectory(const std::string& last_opened);

}  // namespace winpiruk
