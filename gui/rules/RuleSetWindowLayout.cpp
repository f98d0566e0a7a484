#include "gui/rules/RuleSetWindowLayout.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "gui/rules/RuleSetBrowser.h"

namespace winpiruk {

QGridLayout* LayOutRuleSetWindow(QWidget* window, RuleSetBrowser& lists, QWidget* name_label, QWidget* name_box,
                                 QPushButton* ok, QPushButton* cancel) {
  auto* grid = new QGridLayout(window);
  grid->setContentsMargins(14, 12, 14, 12);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(6);

  auto* folder_label = new QLabel(QStringLiteral("ﾌｫﾙﾀﾞ :"), window);
  auto* drive_label = new QLabel(QStringLiteral("ﾄﾞﾗｲﾌﾞ :"), window);
  lists.File1->setMinimumSize(190, 220);
  lists.Dir1->setMinimumSize(240, 220);
  lists.DirectoryLabel->setMaximumWidth(320);

  grid->addWidget(name_label, 0, 0);
  grid->addWidget(folder_label, 0, 1);
  grid->addWidget(lists.DirectoryLabel, 1, 1);
  if (name_box != nullptr) {
    grid->addWidget(name_box, 1, 0);
    grid->addWidget(lists.File1, 2, 0, 3, 1);
  } else {
    grid->addWidget(lists.File1, 1, 0, 4, 1);
  }
  grid->addWidget(lists.Dir1, 2, 1);
  grid->addWidget(drive_label, 3, 1);
  grid->addWidget(lists.Drive1, 4, 1);

  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(6);
  for (QPushButton* button : {ok, cancel}) {
    button->setMinimumWidth(96);
    buttons->addWidget(button);
  }
  buttons->addStretch(1);
  grid->addLayout(buttons, 0, 2, 5, 1);
  grid->setRowStretch(2, 1);
  grid->setColumnStretch(0, 2);
  grid->setColumnStretch(1, 3);
  return grid;
}

QString StartingRuleSetDirectory(const std::string& last_opened) {
  const QString last = QString::fromStdString(last_opened);
  const QFileInfo info(last);
  if (!last.isEmpty() && info.isDir() && info.isReadable()) return info.absoluteFilePath();
  return QDir::homePath();
}

}  // namespace winpiruk
