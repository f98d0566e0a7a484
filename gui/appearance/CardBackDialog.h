#pragma once
// The card settings window: the ten card back designs, the chosen one
// framed. OK and closing by the frame keep the choice; a changed one is
// written to the settings file, since the next new game reads the back from
// it. Cancel leaves CardKind as it was.
#include <QDialog>
#include <array>

#include "config/ProgramPaths.h"
#include "gui/common/WindowRuns.h"
#include "presentation/PictureNames.h"
#include "state/GameState.h"

class QLabel;
class QPushButton;

namespace winpiruk {

class CardBackDialog : public QDialog {
  Q_OBJECT

 public:
  CardBackDialog(GameState& state, const ProgramPaths& paths, QWidget* parent = nullptr);
  ~CardBackDialog() override;

  void done(int result) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The designs on the table's cloth, two rows of five.
  QWidget* BuildDesigns();
  void ChooseDesign(int16_t kind);
  void ShowFrames();

  // By design (CardKind); objectNames backImage0..backImage9.
  std::array<QLabel*, kCardBackKinds> backImages{};
  QPushButton* okButton = nullptr;
  QPushButton* cancelButton = nullptr;

  GameState& state_;
  ProgramPaths paths_;
  int16_t kind_ = 0;          // the design framed
  int16_t kind_at_open_ = 0;  // what the settings hold
  WindowRuns runs_;           // the closing's wait for a message
};

// "ｶｰﾄﾞ設定(&D&ﾃ)..." (and a click on the top seat's name): the window,
// window-modal over `parent` and waited for inside a run (see Awaiting.h).
// True when CardKind is not what it was before; the main window then
// brings every back on the table to the new design and, after the menu
// item, redraws the four hands.
bool OpenCardSettings(QWidget* parent, GameState& state, const ProgramPaths& paths);

}  // namespace winpiruk
