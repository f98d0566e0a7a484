#pragma once
// What the appearance and sound windows build alike: buttons named by their
// role, the closing pair of buttons, labels that answer a click, the names of
// a file chooser's parts, and the place a window opens at.
#include <QSize>
#include <QString>
#include <functional>
#include <string>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace winpiruk {

class FileChooser;

// A button whose objectName is `name`; `minimum_width` 0 leaves the width to the caption.
QPushButton* NamedButton(QWidget* parent, const QString& name, const QString& caption, int minimum_width = 0);

// "OK" (the default button) and "ｷｬﾝｾﾙ", named okButton and cancelButton.
struct ClosingButtons {
  QPushButton* ok = nullptr;
  QPushButton* cancel = nullptr;
};
ClosingButtons MakeClosingButtons(QWidget* parent);

// The bottom row: `leading` (when given) at the left, the closing buttons at
// the right. Hand-built rather than a QDialogButtonBox, which would put
// "ｷｬﾝｾﾙ" before "OK" on some desktops.
QHBoxLayout* ClosingRow(const ClosingButtons& buttons, QWidget* leading = nullptr);

// A left press on `widget` runs `action` and goes no further, so a label can
// be clicked like a button. The filter lives as long as the widget.
void OnLeftPress(QWidget& widget, std::function<void()> action);

// A grid of pictures that answer a click is reached by Tab as one control, and
// an arrow key there runs `step` with the key; a key `step` refuses (returns
// false) goes on as usual. The filter lives as long as the widget.
void OnArrowKeys(QWidget& grid, std::function<bool(int key)> step);

// The cell the arrow key `key` moves to from `cell` in a grid of `count`
// cells, `columns` a row, running on past either end; -1 for any other key.
// From no cell (-1), every arrow starts at the first.
int CellAfterKey(int key, int cell, int count, int columns);

// The volume box, folder tree and file list of `chooser` named
// `role`VolumeBox, `role`FolderTree and `role`FileList.
void NameChooserParts(FileChooser& chooser, const QString& role);

// F1 opens the help page; the window takes its layout's size, or `size` when
// given, and is centred on the screen.
void FinishSettingsWindow(QDialog& window, const std::string& program_directory, QSize size = {});

}  // namespace winpiruk
