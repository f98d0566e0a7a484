#pragma once
// The card table: the main window with its menu bar.
#include <QMainWindow>
#include <QPixmap>
#include <functional>

#include "config/ProgramPaths.h"
#include "engine/Piruk930.h"

class QAction;
class QMenu;
class QTimer;

namespace winpiruk {

class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  Form1(Piruk930& state, const ProgramPaths& paths, QWidget* parent = nullptr);

  // Size and place the window as start-up wants it: centred at the design
  // size, or at the saved bounds.
  void PlaceAtDesignSize();
  void PlaceAtSavedBounds();

  // The table background picture; false when the file cannot be loaded.
  bool LoadPictureSource(const QString& path);
  const QPixmap& PictureSource() const { return picture_source_; }

  // Lets the next close through (the desktop session is ending).
  void AllowClose() { close_allowed_ = true; }

  // Writes what must survive and ends the process.
  void EndProgram();

  // Menu items, named for the commands they carry.
  QMenu* Game = nullptr;
  QAction* NewGame = nullptr;
  QAction* GameResult = nullptr;
  QMenu* GameMode = nullptr;
  QAction* GameModeManual = nullptr;
  QAction* GameModeAuto = nullptr;
  QAction* Owari = nullptr;
  QMenu* Opt = nullptr;
  QMenu* Settei = nullptr;
  QAction* Setting = nullptr;
  QAction* SettingC = nullptr;
  QAction* SettingB = nullptr;
  QAction* SeetingA = nullptr;
  QAction* SettingK = nullptr;
  QAction* SetLoad = nullptr;
  QAction* SetSave = nullptr;
  QAction* Member = nullptr;
  QMenu* BGMC = nullptr;
  QAction* Pause = nullptr;
  QAction* Next = nullptr;
  QAction* Back = nullptr;
  QAction* KeyAssign = nullptr;
  QMenu* Help = nullptr;
  QAction* Rules = nullptr;
  QAction* About = nullptr;

  QTimer* Timer1 = nullptr;

  // Runs just before the program ends from the menu or a fatal error; the
  // member files are written here.
  std::function<void()> before_end;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void SetWindowTitleForHand();
  void KeyAssign_Click();
  void Owari_Click();
  void About_Click();

  Piruk930& state_;
  ProgramPaths paths_;
  bool close_allowed_ = false;
  QPixmap picture_source_;
};

}  // namespace winpiruk
