#include "ui/Form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include "config/NumberText.h"
#include "config/windows/Form5.h"
#include "ui/Captions.h"
#include "ui/Messages.h"
#include "ui/QtSettingsHost.h"
#include "ui/Twips.h"

namespace winpiruk {

Form1::Form1(Piruk930& state, const ProgramPaths& paths, QWidget* parent)
    : QMainWindow(parent), state_(state), paths_(paths) {
  setObjectName(QStringLiteral("Form1"));
  BuildMenus();
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(1000);
  SetWindowTitleForHand();
  resize(PixelsFromTwips(kDesignWidthTwips), PixelsFromTwips(kDesignHeightTwips));
}

void Form1::BuildMenus() {
  auto item = [this](QMenu* menu, QAction*& action, const char* name, const QString& caption) {
    action = menu->addAction(AccessCaption(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
  };
  auto submenu = [](QMenu* parent_menu, QMenu*& menu, const char* name, const QString& caption) {
    menu = parent_menu->addMenu(AccessCaption(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
  };
  auto top = [this](QMenu*& menu, const char* name, const QString& caption) {
    menu = menuBar()->addMenu(AccessCaption(caption));
    menu->setObjectName(QString::fromLatin1(name));
  };

  top(Game, "Game", QStringLiteral("ｹﾞｰﾑ(&G&ｹ)"));
  item(Game, NewGame, "NewGame", QStringLiteral("新規ゲーム(&N&ﾆ)..."));
  Game->addSeparator();
  item(Game, GameResult, "GameResult", QStringLiteral("対戦成績(&R&ｾ)..."));
  submenu(Game, GameMode, "GameMode", QStringLiteral("実行モード(&M&ﾓ)"));
  item(GameMode, GameModeManual, "GameModeManual", QStringLiteral("手動(&M&ｼ)"));
  item(GameMode, GameModeAuto, "GameModeAuto", QStringLiteral("自動(&A&ｵ)"));
  Game->addSeparator();
  item(Game, Owari, "Owari", QStringLiteral("ぴるく の終了(&X&ｼ)"));

  top(Opt, "Opt", QStringLiteral("ｵﾌﾟｼｮﾝ(&O&ｵ)"));
  submenu(Opt, Settei, "Settei", QStringLiteral("設定(&S&ｾ)"));
  item(Settei, Setting, "Setting", QStringLiteral("ﾙｰﾙ設定(&R&ﾙ)..."));
  item(Settei, SettingC, "SettingC", QStringLiteral("文字色設定(&C&ﾓ)..."));
  item(Settei, SettingB, "SettingB", QStringLiteral("盤面背景設定(&W&ｶ)..."));
  item(Settei, SeetingA, "SeetingA", QStringLiteral("ｻｳﾝﾄﾞ設定(&M&ｵ)..."));
  item(Settei, SettingK, "SettingK", QStringLiteral("ｶｰﾄﾞ設定(&D&ﾃ)..."));
  Settei->addSeparator();
  item(Settei, SetLoad, "SetLoad", QStringLiteral("設定ﾌｧｲﾙを開く(&L)..."));
  item(Settei, SetSave, "SetSave", QStringLiteral("設定の保存(&S)..."));
  Opt->addSeparator();
  item(Opt, Member, "Member", QStringLiteral("ｸﾞﾙｰﾌﾟ選択/ﾒﾝﾊﾞｰ名変更(&M&ｸ)..."));
  Opt->addSeparator();
  submenu(Opt, BGMC, "BGMC", QStringLiteral("BGMｺﾝﾄﾛｰﾙ(&B&ﾋ)"));
  item(BGMC, Pause, "Pause", QStringLiteral("一時停止/解除(&P&ﾎ)"));
  item(BGMC, Next, "Next", QStringLiteral("1曲進む(&N&ﾂ)"));
  item(BGMC, Back, "Back", QStringLiteral("1曲戻す(&B&ﾓ)"));
  Opt->addSeparator();
  item(Opt, KeyAssign, "KeyAssign", QStringLiteral("対応ｷｰ表示(&K&ｷ)"));

  top(Help, "Help", QStringLiteral("ﾍﾙﾌﾟ(&H&ﾙ)"));
  item(Help, Rules, "Rules", QStringLiteral("目次(&C&ﾓ)"));
  Help->addSeparator();
  item(Help, About, "About", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A&ﾊ)..."));

  GameModeManual->setCheckable(true);
  GameModeAuto->setCheckable(true);
  GameModeManual->setChecked(state_.AutoPlay == 0);
  GameModeAuto->setChecked(state_.AutoPlay != 0);
  KeyAssign->setCheckable(true);
  KeyAssign->setChecked(state_.settings.KeyGuideDisplay == 1);

  // Commands whose windows the program does not have yet stay visibly
  // disabled rather than doing nothing.
  for (QAction* pending : {NewGame, GameResult, GameModeManual, GameModeAuto, Setting, SettingC, SettingB,
                           SeetingA, SettingK, SetLoad, SetSave, Member, Rules}) {
    pending->setEnabled(false);
  }
  BGMC->menuAction()->setEnabled(false);

  connect(KeyAssign, &QAction::triggered, this, &Form1::KeyAssign_Click);
  connect(Owari, &QAction::triggered, this, &Form1::Owari_Click);
  connect(About, &QAction::triggered, this, &Form1::About_Click);
}

void Form1::SetWindowTitleForHand() {
  QString title = QStringLiteral("ぴるく  －") + QString::fromStdString(NumberText(state_.HandNumber)) +
                  QStringLiteral("回め－");
  if (state_.AutoPlay != 0) title += QStringLiteral("  [自動実行モード]");
  setWindowTitle(title);
}

void Form1::PlaceAtDesignSize() {
  resize(PixelsFromTwips(kDesignWidthTwips), PixelsFromTwips(kDesignHeightTwips));
  if (const QScreen* screen = QApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
  }
}

void Form1::PlaceAtSavedBounds() {
  const Settings& s = state_.settings;
  state_.ResizeGuard = 1;
  move(PixelsFromTwips(s.MainWindowPosX), PixelsFromTwips(s.MainWindowPosY));
  resize(PixelsFromTwips(s.MainWindowWidth), PixelsFromTwips(s.MainWindowHeight));
  state_.ResizeGuard = 0;
}

bool Form1::LoadPictureSource(const QString& path) {
  QPixmap picture;
  if (!picture.load(path)) return false;
  picture_source_ = picture;
  update();
  return true;
}

void Form1::KeyAssign_Click() {
  state_.settings.KeyGuideDisplay = static_cast<int16_t>(1 - state_.settings.KeyGuideDisplay);
  KeyAssign->setChecked(state_.settings.KeyGuideDisplay == 1);
  QtSettingsHost host(this);
  WriteSettings(state_, paths_, host);
}

void Form1::Owari_Click() { EndProgram(); }

void Form1::About_Click() {
  Timer1->stop();
  Form5 about(this);
  about.exec();
  if (state_.settings.RestrictTime != 0) Timer1->start();
  QApplication::processEvents();
}

void Form1::EndProgram() {
  if (before_end) before_end();
  close_allowed_ = true;
  QApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent* event) {
  if (close_allowed_) {
    if (before_end) before_end();
    event->accept();
    return;
  }
  event->ignore();
  ShowMessage(this, kProgramTitle, QStringLiteral("メニューから'ぴるく の終了'を選択してください."),
              QMessageBox::Warning);
}

}  // namespace winpiruk
