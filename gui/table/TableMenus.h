#pragma once
// The table's menu bar, built from one table of rows.
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace winpiruk {

class TableCommands;

// The menus and their items, named for the commands they carry; each has the
// member's name as its objectName (a submenu's own item adds "Action").
struct TableMenus {
  QMenu* gameMenu = nullptr;
  QAction* newGameAction = nullptr;
  QAction* gameResultAction = nullptr;
  QAction* playerParametersAction = nullptr;
  QMenu* playModeMenu = nullptr;
  QAction* manualPlayAction = nullptr;
  QAction* autoPlayAction = nullptr;
  QAction* quitAction = nullptr;
  QMenu* optionsMenu = nullptr;
  QMenu* settingsMenu = nullptr;
  QAction* rulesAction = nullptr;
  QAction* textColoursAction = nullptr;
  QAction* backgroundAction = nullptr;
  QAction* soundAction = nullptr;
  QAction* cardsAction = nullptr;
  QAction* openRuleSetAction = nullptr;
  QAction* saveRuleSetAction = nullptr;
  QAction* membersAction = nullptr;
  QMenu* musicMenu = nullptr;
  QAction* pauseMusicAction = nullptr;
  QAction* nextPieceAction = nullptr;
  QAction* previousPieceAction = nullptr;
  QAction* keyGuidesAction = nullptr;
  QAction* growTableAction = nullptr;     // the table zooms with the window
  QAction* markPlayableAction = nullptr;  // the user's playable cards are marked
  QAction* fourColourDeckAction = nullptr;  // diamonds blue and clubs green
  QMenu* languageMenu = nullptr;             // the language of the next start
  QAction* japaneseAction = nullptr;
  QAction* englishAction = nullptr;
  QAction* analyserAction = nullptr;
  QMenu* helpMenu = nullptr;
  QAction* helpContentsAction = nullptr;
  QAction* aboutAction = nullptr;
};

// A command of the table, run when its item is chosen.
using TableCommand = void (TableCommands::*)();

// Builds the menus on `bar`. A chosen item hands its command to `run`; the
// music items are left to the music, which wires them itself.
TableMenus BuildTableMenus(QMenuBar* bar, const std::function<void(TableCommand)>& run);

}  // namespace winpiruk
