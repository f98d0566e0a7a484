#include "gui/appearance/SettingsWindowParts.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeView>

#include "gui/common/FileChooser.h"
#include "gui/common/HelpKey.h"
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

}  // namespace

QPushButton* NamedButton(QWidget* parent, const QString& name, const QString& caption, int minimum_width) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  if (minimum_width > 0) button->setMinimumWidth(minimum_width);
  return button;
}

ClosingButtons MakeClosingButtons(QWidget* parent) {
  ClosingButtons buttons;
  buttons.ok = NamedButton(parent, QStringLiteral("okButton"), QStringLiteral("OK"), kClosingButtonWidth);
  buttons.cancel = NamedButton(parent, QStringLiteral("cancelButton"), QStringLiteral("ｷｬﾝｾﾙ"), kClosingButtonWidth);
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

void NameChooserParts(FileChooser& chooser, const QString& role) { chooser.NameParts(role); }

void FinishSettingsWindow(QDialog& window, const std::string& program_directory, QSize size) {
  AddHelpKey(window, program_directory, kHelpRules);
  // A window with an opening size of its own is centred as laid out, then
  // takes that size.
  if (size.isValid()) window.resize(size);
  window.adjustSize();
  CentreOnScreen(window);
  if (size.isValid()) window.resize(size);
}

}  // namespace winpiruk
