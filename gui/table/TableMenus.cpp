#include "gui/table/TableMenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <vector>

#include "gui/common/Captions.h"
#include "gui/table/TableCommands.h"

namespace winpiruk {
namespace {

enum class RowKind {
  TopMenu,     // a menu of the menu bar; the rows after it fill it
  Submenu,     // a menu inside the present one; the rows after it fill it up to EndSubmenu
  EndSubmenu,  // back to the menu around the submenu
  Command,     // an item that runs its command
  Check,       // an item with a check mark that runs its command
  Separator,
};

struct MenuRow {
  RowKind kind;
  const char* name = nullptr;     // the member's name, also the objectName
  const char* caption = nullptr;  // with its access keys: "&N" and the kana "&ﾆ"
  const char* shortcut = nullptr;
  TableCommand command = nullptr;
  QAction* TableMenus::*action = nullptr;
  QMenu* TableMenus::*menu = nullptr;
};

MenuRow Top(const char* name, const char* caption, QMenu* TableMenus::*menu) {
  return {RowKind::TopMenu, name, caption, nullptr, nullptr, nullptr, menu};
}
MenuRow Sub(const char* name, const char* caption, QMenu* TableMenus::*menu) {
  return {RowKind::Submenu, name, caption, nullptr, nullptr, nullptr, menu};
}
MenuRow Item(const char* name, const char* caption, const char* shortcut, TableCommand command,
             QAction* TableMenus::*action) {
  return {RowKind::Command, name, caption, shortcut, command, action, nullptr};
}
MenuRow Check(const char* name, const char* caption, const char* shortcut, TableCommand command,
              QAction* TableMenus::*action) {
  return {RowKind::Check, name, caption, shortcut, command, action, nullptr};
}
MenuRow Line() { return {RowKind::Separator}; }
MenuRow End() { return {RowKind::EndSubmenu}; }

// Every menu of the table, in the order they appear. The music items carry
// no command here: the music wires them itself.
std::vector<MenuRow> Rows() {
  using T = TableMenus;
  using C = TableCommands;
  return {
      Top("gameMenu", QT_TRANSLATE_NOOP("TableMenus", "ｹﾞｰﾑ(&G&ｹ)"), &T::gameMenu),
      Item("newGameAction", QT_TRANSLATE_NOOP("TableMenus", "新規ゲーム(&N&ﾆ)..."),
            nullptr, &C::OnNewGame, &T::newGameAction),
      Line(),
      Item("gameResultAction", QT_TRANSLATE_NOOP("TableMenus", "対戦成績(&R&ｾ)..."),
            nullptr, &C::OnGameResult, &T::gameResultAction),
      Item("playerParametersAction", QT_TRANSLATE_NOOP("TableMenus", "ﾌﾟﾚｲﾔｰﾊﾟﾗﾒｰﾀ(&P&ﾊ)..."),
            nullptr, &C::OnPlayerParameters, &T::playerParametersAction),
      Sub("playModeMenu", QT_TRANSLATE_NOOP("TableMenus", "実行モード(&M&ﾓ)"), &T::playModeMenu),
      Check("manualPlayAction", QT_TRANSLATE_NOOP("TableMenus", "手動(&M&ｼ)"),
            nullptr, &C::OnManualPlay, &T::manualPlayAction),
      Check("autoPlayAction", QT_TRANSLATE_NOOP("TableMenus", "自動(&A&ｵ)"), nullptr, &C::OnAutoPlay, &T::autoPlayAction),
      End(),
      Line(),
      Item("quitAction", QT_TRANSLATE_NOOP("TableMenus", "ぴるく の終了(&X&ｼ)"), nullptr, &C::OnQuit, &T::quitAction),

      Top("optionsMenu", QT_TRANSLATE_NOOP("TableMenus", "ｵﾌﾟｼｮﾝ(&O&ｵ)"), &T::optionsMenu),
      Sub("settingsMenu", QT_TRANSLATE_NOOP("TableMenus", "設定(&S&ｾ)"), &T::settingsMenu),
      Item("rulesAction", QT_TRANSLATE_NOOP("TableMenus", "ﾙｰﾙ設定(&R&ﾙ)..."), nullptr, &C::OnRules, &T::rulesAction),
      Item("textColoursAction", QT_TRANSLATE_NOOP("TableMenus", "文字色設定(&C&ﾓ)..."),
            nullptr, &C::OnTextColours, &T::textColoursAction),
      Item("backgroundAction", QT_TRANSLATE_NOOP("TableMenus", "盤面背景設定(&W&ｶ)..."),
            nullptr, &C::OnBackground, &T::backgroundAction),
      Item("soundAction", QT_TRANSLATE_NOOP("TableMenus", "ｻｳﾝﾄﾞ設定(&M&ｵ)..."), nullptr, &C::OnSound, &T::soundAction),
      Item("cardsAction", QT_TRANSLATE_NOOP("TableMenus", "ｶｰﾄﾞ設定(&D&ﾃ)..."), nullptr, &C::OnCards, &T::cardsAction),
      Line(),
      Item("openRuleSetAction", QT_TRANSLATE_NOOP("TableMenus", "設定ﾌｧｲﾙを開く(&L)..."),
            nullptr, &C::OnOpenRuleSet, &T::openRuleSetAction),
      Item("saveRuleSetAction", QT_TRANSLATE_NOOP("TableMenus", "設定の保存(&S)..."),
            nullptr, &C::OnSaveRuleSet, &T::saveRuleSetAction),
      End(),
      Line(),
      Item("membersAction", QT_TRANSLATE_NOOP("TableMenus", "ｸﾞﾙｰﾌﾟ選択/ﾒﾝﾊﾞｰ名変更(&M&ｸ)..."),
            nullptr, &C::OnMembers, &T::membersAction),
      Line(),
      Sub("musicMenu", QT_TRANSLATE_NOOP("TableMenus", "BGMｺﾝﾄﾛｰﾙ(&B&ﾋ)"), &T::musicMenu),
      Item("pauseMusicAction", QT_TRANSLATE_NOOP("TableMenus", "一時停止/解除(&P&ﾎ)"),
            nullptr, nullptr, &T::pauseMusicAction),
      Item("nextPieceAction", QT_TRANSLATE_NOOP("TableMenus", "1曲進む(&N&ﾂ)"), nullptr, nullptr, &T::nextPieceAction),
      Item("previousPieceAction", QT_TRANSLATE_NOOP("TableMenus", "1曲戻す(&B&ﾓ)"),
            nullptr, nullptr, &T::previousPieceAction),
      End(),
      Line(),
      Check("keyGuidesAction", QT_TRANSLATE_NOOP("TableMenus", "対応ｷｰ表示(&K&ｷ)"),
            nullptr, &C::OnKeyGuides, &T::keyGuidesAction),
      // What the table does beyond the settings file.
      Line(),
      Check("growTableAction", QT_TRANSLATE_NOOP("TableMenus", "ｳｨﾝﾄﾞｳに合わせて拡大(&Z&ｶ)"),
            nullptr, &C::OnGrowTable, &T::growTableAction),
      Check("markPlayableAction", QT_TRANSLATE_NOOP("TableMenus", "出せるｶｰﾄﾞの表示(&P&ﾀ)"),
            nullptr, &C::OnMarkPlayable, &T::markPlayableAction),
      Check("fourColourDeckAction", QT_TRANSLATE_NOOP("TableMenus", "4色ﾃﾞｯｷ(&F&ﾖ)"),
            nullptr, &C::OnFourColourDeck, &T::fourColourDeckAction),
      // Each language under its own name, in either language.
      Sub("languageMenu", QT_TRANSLATE_NOOP("TableMenus", "言語(&L&ｹ)"), &T::languageMenu),
      Check("japaneseAction", "日本語(&J)", nullptr, &C::OnJapanese, &T::japaneseAction),
      Check("englishAction", "&English", nullptr, &C::OnEnglish, &T::englishAction),
      End(),
      Line(),
      Item("analyserAction", QT_TRANSLATE_NOOP("TableMenus", "ﾙｰﾙ分析(&Y&ﾌ)..."),
            nullptr, &C::OnAnalyser, &T::analyserAction),

      Top("helpMenu", QT_TRANSLATE_NOOP("TableMenus", "ﾍﾙﾌﾟ(&H&ﾙ)"), &T::helpMenu),
      Item("helpContentsAction", QT_TRANSLATE_NOOP("TableMenus", "目次(&C&ﾓ)"),
            nullptr, &C::OnHelpContents, &T::helpContentsAction),
      Line(),
      Item("aboutAction", QT_TRANSLATE_NOOP("TableMenus", "ﾊﾞｰｼﾞｮﾝ情報(&A&ﾊ)..."), nullptr, &C::OnAbout, &T::aboutAction),
  };
}

QString Caption(const char* caption) {
  return AccessCaption(QCoreApplication::translate("TableMenus", caption));
}

QAction* AddItem(QMenu* menu, const MenuRow& row, const std::function<void(TableCommand)>& run) {
  QAction* action = menu->addAction(Caption(row.caption));
  action->setObjectName(QString::fromLatin1(row.name));
  action->setCheckable(row.kind == RowKind::Check);
  if (row.shortcut != nullptr) action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
  if (row.command != nullptr) {
    QObject::connect(action, &QAction::triggered, action, [run, command = row.command] { run(command); });
  }
  return action;
}

}  // namespace

TableMenus BuildTableMenus(QMenuBar* bar, const std::function<void(TableCommand)>& run) {
  TableMenus menus;
  std::vector<QMenu*> open;  // the menu being filled, innermost last
  for (const MenuRow& row : Rows()) {
    switch (row.kind) {
      case RowKind::TopMenu:
        open = {bar->addMenu(Caption(row.caption))};
        open.back()->setObjectName(QString::fromLatin1(row.name));
        menus.*row.menu = open.back();
        break;
      case RowKind::Submenu: {
        QMenu* submenu = open.back()->addMenu(Caption(row.caption));
        submenu->setObjectName(QString::fromLatin1(row.name));
        submenu->menuAction()->setObjectName(QString::fromLatin1(row.name) + QStringLiteral("Action"));
        menus.*row.menu = submenu;
        open.push_back(submenu);
        break;
      }
      case RowKind::EndSubmenu:
        open.pop_back();
        break;
      case RowKind::Command:
      case RowKind::Check:
        menus.*row.action = AddItem(open.back(), row, run);
        break;
      case RowKind::Separator:
        open.back()->addSeparator();
        break;
    }
  }
  return menus;
}

}  // namespace winpiruk
