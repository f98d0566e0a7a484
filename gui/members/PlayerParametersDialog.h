#pragma once
// The computer player parameter window: one member's boldness, deduction
// and points. Every change is stored at once; Cancel (and Esc) puts back the
// values the window opened with, a close by the frame keeps them. The
// member files are written when the window closes, however it closes.
#include <QDialog>

#include "config/ProgramPaths.h"
#include "gui/common/WindowRuns.h"
#include "state/GameState.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace winpiruk {

class PlayerParametersDialog : public QDialog {
  Q_OBJECT

 public:
  PlayerParametersDialog(GameState& state, const ProgramPaths& paths, int group, int member, QWidget* parent = nullptr);
  ~PlayerParametersDialog() override;

  void done(int result) override;
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  void ShowStoredValues();
  void OnBoldnessChanged(int value);
  void OnDeductionChanged(int value);
  void OnPointsEdited(const QString& text);
  void OnOk();
  void PutBackOpeningValues();

  GameState& state_;
  ProgramPaths paths_;
  int group_;
  int member_;
  bool written_ = false;
  bool closing_by_frame_ = false;
  int16_t opening_boldness_ = 0;
  int16_t opening_deduction_ = 0;
  int16_t opening_points_ = 0;

  QLabel* boldnessCaption = nullptr;   // "度  胸"
  QLabel* deductionCaption = nullptr;  // "推理力"
  QLabel* pointsCaption = nullptr;     // "持ち点"
  QSlider* boldnessBar = nullptr;
  QSlider* deductionBar = nullptr;
  QLabel* boldnessFigure = nullptr;
  QLabel* deductionFigure = nullptr;
  QLineEdit* pointsEdit = nullptr;
  QDialogButtonBox* buttonBox = nullptr;
  QPushButton* okButton = nullptr;
  QPushButton* cancelButton = nullptr;
  WindowRuns runs_;  // the closing's wait for a message
};

}  // namespace winpiruk
