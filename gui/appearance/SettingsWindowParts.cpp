#include "gui/appearance/SettingsWindowParts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeView>

#include "gui/common/FileChooser.h"
#include "gui/common/HelpKey.h"
#include "gui/common/SpokenNames.h"
#include "gui/common/WindowPlacement.h"

namespace winpiruk {
namespace {

// As wide as the closing buttons of the program's other windows.
constexpr int kClosingButtonWidth = 96;

class LeftPressFilter final : public QObject {
 public:
  LeftPressFilter(QWidget& widget, std::function<void()> action) : QObject(&widget), action_(std::move(action)) {
    widget.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonPress || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
      return false;
    }
    action_();
    return true;
  }

 private:
  std::function<void()> action_;
};

class ArrowKeyFilter final : public QObject {
 public:
  ArrowKeyFilter(QWidget& widget, std::function<bool(int)> step) : QObject(&widget), step_(std::move(step)) {
    widget.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier) return false;
    return step_(key->key());
  }

 private:
  std::function<bool(int)> step_;
};

}  // namespace

QPushButton* NamedButton(QWidget* parent, const QString& name, const QString& caption, int minimum_width) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  if (minimum_width > 0) button->setMinimumWidth(minimum_width);
  return button;
}

ClosingButtons MakeClosingButtons(QWidget* parent) {
  ClosingButtons buttons;
  buttons.ok = NamedButton(parent, QStringLiteral("okButton"), QCoreApplication::translate("SettingsWindowParts", "OK"),
                           kClosingButtonWidth);
  buttons.cancel = NamedButton(parent, QStringLiteral("cancelButton"),
                               QCoreApplication::translate("SettingsWindowParts", "ｷｬﾝｾﾙ"), kClosingButtonWidth);
  buttons.ok->setDefault(true);
  return buttons;
}

QHBoxLayout* ClosingRow(const ClosingButtons& buttons, QWidget* leading) {
  auto* row = new QHBoxLayout;
  if (leading != nullptr) row->addWidget(leading);
  row->addStretch(1);
  row->addWidget(buttons.ok);
  row->addWidget(buttons.cancel);
  return row;
}

void OnLeftPress(QWidget& widget, std::function<void()> action) { new LeftPressFilter(widget, std::move(action)); }

void OnArrowKeys(QWidget& grid, std::function<bool(int key)> step) {
  grid.setFocusPolicy(Qt::StrongFocus);
  new ArrowKeyFilter(grid, std::move(step));
}

int CellAfterKey(int key, int cell, int count, int columns) {
  int step = 0;
  switch (key) {
    case Qt::Key_Left: step = -1; break;
    case Qt::Key_Right: step = 1; break;
    case Qt::Key_Up: step = -columns; break;
    case Qt::Key_Down: step = columns; break;
    default: return -1;
  }
  if (cell < 0 || cell >= count) return 0;
  return ((cell + step) % count + count) % count;
}

void NameChooserParts(FileChooser& chooser, const QString& role) { chooser.NameParts(role); }

void FinishSettingsWindow(QDialog& window, const std::string& program_directory, QSize size) {
  AddHelpKey(window, program_directory, kHelpRules);
  NameControlsForReaders(window);
  // A window with an opening size of its own is centred as laid out, then
  // takes that size.
  if (size.isValid()) window.resize(size);
  window.adjustSize();
  CentreOnScreen(window);
  if (size.isValid()) window.resize(size);
}

}  // namespace winpiruk
