#pragma once
// The computer player parameter window: one member's boldness, deduction
// and points. Every change is stored at once; there is no cancel, and the
// member files are written when the window closes, however it closes.
#include <QDialog>

#include "config/ProgramPaths.h"
#include "state/GameState.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace winpiruk {

class PlayerParametersDialog : public QDialog {
  Q_OBJECT

 public:
  PlayerParametersDialog(GameState& state, const ProgramPaths& paths, int group, int member, QWidget* parent = nullptr);

  void done(int result) override;

 private:
  void BuildControls();
  void BuildLayout();
  void ShowStoredValues();
  void OnBoldnessChanged(int value);
  void OnDeductionChanged(int value);
  void OnPointsEdited(const QString& text);
  void OnOk();

  GameState& state_;
  ProgramPaths paths_;
  int group_;
  int member_;
  bool written_ = false;

  QLabel* boldnessCaption = nullptr;   // "度  胸"
  QLabel* deductionCaption = nullptr;  // "推理力"
  QLabel* pointsCaption = nullptr;     // "持ち点"
  QScrollBar* boldnessBar = nullptr;
  QScrollBar* deductionBar = nullptr;
  QLabel* boldnessFigure = nullptr;
  QLabel* deductionFigure = nullptr;
  QLineEdit* pointsEdit = nullptr;
  QDialogButtonBox* buttonBox = nullptr;
  QPushButton* okButton = nullptr;
};

}  // namespace winpiruk
