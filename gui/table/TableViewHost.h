#pragma once
// What the table's view draws with and asks of the window around it.
#include <cstdlib>

class QWidget;

namespace winpiruk {

class CardPictures;
class EffectPlayer;
class Music;
struct TableLayout;
struct TableOptions;
struct TableScale;

// The window's parts the view draws with but does not own. They outlive the view.
struct TableSurface {
  QWidget& window;  // the main window: the parent of messages, the holder of the title
  QWidget& area;    // the table area under the menu bar
  CardPictures& pictures;
  EffectPlayer& effects;
  Music& music;
  const TableLayout& layout;
  const TableScale& scale;
  const TableOptions& options;
};

// The commands the view's engine calls on the window.
class TableViewHost {
 public:
  // The user's time limit counts down, or stops.
  virtual void StartTimeLimit() = 0;
  virtual void StopTimeLimit() = 0;
  virtual void EnablePlayModeMenu(bool enabled) = 0;
  virtual void CheckPlayModeMenu(bool auto_play) = 0;
  // The member and dealer window for a new match or, with member_change,
  // after a settlement that changes the members.
  virtual void OpenMemberDecision(bool member_change) = 0;
  // The records written, the program ends.
  virtual void EndProgram() = 0;
  // The records written, the program ends with an error as soon as the
  // event loop is back.
  void EndAfterFatalError() { FailProgram(); }

 protected:
  ~TableViewHost() = default;
  virtual void FailProgram() = 0;
};

}  // namespace winpiruk
