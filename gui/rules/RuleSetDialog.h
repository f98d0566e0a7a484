#pragma once
// What the save and open windows share: the name above the file list, the
// folder path above the folder tree, the volume below it and OK and ｷｬﾝｾﾙ at
// the right, starting in the folder last opened.
#include <QString>
#include <string>

#include "gui/common/CentredDialog.h"
#include "gui/common/WindowRuns.h"
#include "state/GameState.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace winpiruk {

class RuleSetBrowser;

// The folder a rule-set window starts in: the last one opened, else home.
QString StartingRuleSetDirectory(const std::string& last_opened);

class RuleSetDialog : public CentredDialog {
  Q_OBJECT

 protected:
  struct Look {
    const char* object_name;
    QString title;
    QString name_caption;  // over the file list
    bool with_name_box;    // the box the save window takes the name in
  };
  RuleSetDialog(GameState& state, const Look& look, QWidget* parent);

  // The lists show the starting folder; called once the window has
  // connected to them.
  void ShowStartingFolder();

  GameState& state_;
  RuleSetBrowser* browser_ = nullptr;
  QLabel* nameLabel = nullptr;
  QLineEdit* nameBox = nullptr;  // none in the open window
  // Disabled until there is a name to save under or a file to open: loading
  // nothing would still throw away the music list and the window size.
  QPushButton* okButton = nullptr;
  QPushButton* cancelButton = nullptr;
  // OK's wait for a question or a message; each window stops it first
  // thing in its destructor.
  WindowRuns runs_;

 private:
  void LayOut();
};

}  // namespace winpiruk
