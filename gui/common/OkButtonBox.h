#pragma once
// The button row of a window whose only button is "OK": a button box with
// OK at the right, the default button.
#include <QDialogButtonBox>
#include <QPushButton>

namespace winpiruk {

// The box, its OK (named "okButton") put in `ok`; the box's accepted() is the
// window's OK.
inline QDialogButtonBox* OkButtonBox(QWidget* parent, QPushButton*& ok) {
  auto* box = new QDialogButtonBox(parent);
  box->setObjectName(QStringLiteral("buttonBox"));
  ok = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setMinimumWidth(96);
  ok->setDefault(true);
  return box;
}

}  // namespace winpiruk
