#pragma once
// The computer player parameter window: one member's boldness, deduction
// and points. Every change is stored at once; there is no cancel, and the
// member files are written when the window closes, however it closes.
#include <QDialog>

#include "config/ProgramPaths.h"
#include "state/GameState.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace winpiruk {

class PlayerParametersDialog : public QDialog {
  Q_OBJECT

 public:
  PlayerParametersDialog(GameState& state, const ProgramPaths& paths, int group, int member, QWidget* parent = nullptr);

  QLabel* Label1 = nullptr;  // "持ち点"
  QLabel* Label2 = nullptr;  // "推理力"
  QLabel* Label3 = nullptr;  // "度  胸"
  QLabel* Label4 = nullptr;  // boldness
  QLabel* Label5 = nullptr;  // deduction
  QScrollBar* HScroll1 = nullptr;
  QScrollBar* HScroll2 = nullptr;
  QLineEdit* Text1 = nullptr;
  QPushButton* Command1 = nullptr;

  void done(int result) override;

 protected:

 private:
  void BuildControls();
  void BuildLayout();
  void ShowStoredValues();
  void HScroll1_Change(int value);
  void HScroll2_Change(int value);
  void Text1_Change(const QString& text);
  void Command1_Click();

  GameState& state_;
  ProgramPaths paths_;
  int group_;
  int member_;
  bool written_ = false;
};

}  // namespace winpiruk
