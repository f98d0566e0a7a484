#pragma once
// Draws a member row as two columns, the points right-aligned and the name
// after them; the row's text stays the one the list holds.
#include <QStyledItemDelegate>

namespace winpiruk {

class MemberRowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace winpiruk
