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

  // Option3D1..Option3D5 and the five samples (index 0 unused).
  std::array<QRadioButton*, kTextItems + 1> Option3D{};
  std::array<QLabel*, kTextItems + 1> Sample{};
  // The palette, Label6..Label53 (index 0..47).
  std::array<QLabel*, kSwatches> Swatch{};
  QPushButton* Command3D3 = nullptr;
  QPushButton* Command3D1 = nullptr;
  QPushButton* Command3D2 = nullptr;

  // The samples as they stand.
  const std::array<TextColour, kTextItems>& Colours() const { return colours_; }
  TextItem SelectedItem() const { return selected_; }

  void SelectItem(TextItem item);
  void Swatch_Click(int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The five items, an option button and a sample each.
  QGroupBox* BuildItems();
  // The colours to choose from.
  QFrame* BuildPalette();
  void Command3D3_Click();
  void Command3D1_Click();
  void ShowSamples();

  GameState& state_;
  ProgramPaths paths_;
  std::array<TextColour, kTextItems> colours_{};
  TextItem selected_ = TextItem::PlayerNames;
};

// "文字色設定(&C&ﾓ)...": the window, modal. True when confirmed with OK;
// the main window then recolours its labels.
bool OpenTextColourSettings(QWidget* parent, GameState& state, const ProgramPaths& paths);

}  // namespace winpiruk
