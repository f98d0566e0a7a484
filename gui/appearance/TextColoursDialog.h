#pragma once
// The text colour window: the colour and background of the table's five
// kinds of text, chosen from a palette. OK stores them and writes the
// settings file; Cancel leaves everything as it was.
#include <QDialog>
#include <array>

#include "config/ProgramPaths.h"
#include "presentation/Appearance.h"
#include "state/GameState.h"
#include "gui/common/Colours.h"
#include "gui/common/WindowRuns.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace winpiruk {

class TextColoursDialog : public QDialog {
  Q_OBJECT

 public:
  TextColoursDialog(GameState& state, const ProgramPaths& paths, QWidget* parent = nullptr);
  ~TextColoursDialog() override;

  // The samples as they stand, by TextItem.
  const std::array<TextColour, kTextItems>& Colours() const { return colours_; }

 private:
  // The five items, an option button and a sample each.
  QGroupBox* BuildItems();
  // The colours to choose from.
  QFrame* BuildPalette();
  void SelectItem(TextItem item);
  void ChooseSwatch(int index);
  void ResetColours();
  void OnOk();
  void ShowSamples();

  // By TextItem; objectNames itemButton0.., sampleLabel0...
  std::array<QRadioButton*, kTextItems> itemButtons{};
  std::array<QLabel*, kTextItems> sampleLabels{};
  // Row by row, six rows of kSwatchColumns; objectNames swatch0..swatch47.
  std::array<QLabel*, kSwatches> swatches{};
  // The swatches' frame, objectName palette: one stop for Tab, the arrow keys inside.
  QFrame* palette_ = nullptr;
  QPushButton* resetButton = nullptr;
  QPushButton* okButton = nullptr;
  QPushButton* cancelButton = nullptr;

  GameState& state_;
  ProgramPaths paths_;
  std::array<TextColour, kTextItems> colours_{};
  TextItem selected_ = TextItem::PlayerNames;
  WindowRuns runs_;  // OK's wait for a message
};

// "文字色設定(&C&ﾓ)...": the window, window-modal over `parent` and waited
// for inside a run (see Awaiting.h). True when confirmed with OK; the main
// window then recolours its labels.
bool OpenTextColourSettings(QWidget* parent, GameState& state, const ProgramPaths& paths);

}  // namespace winpiruk
