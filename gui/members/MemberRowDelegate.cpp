#include "gui/members/MemberRowDelegate.h"

#include <QApplication>
#include <QPainter>

namespace winpiruk {

void MemberRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem opt = option;
  initStyleOption(&opt, index);
  const QString text = opt.text;
  opt.text.clear();
  const QWidget* widget = opt.widget;
  QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

  const qsizetype tab = text.indexOf(u'\t');
  const QString points = (tab < 0 ? text : text.left(tab)).trimmed();
  const QString name = tab < 0 ? QString() : text.mid(tab).trimmed();
  const QRect area = opt.rect.adjusted(8, 0, -8, 0);
  const int column = opt.fontMetrics.horizontalAdvance(QCoreApplication::translate("MemberRowDelegate", "-00000点"));
  painter->save();
  QColor colour = opt.palette.color(QPalette::Text);
  if (opt.state & QStyle::State_Selected) colour = opt.palette.color(QPalette::HighlightedText);
  const QVariant foreground = index.data(Qt::ForegroundRole);
  if (foreground.canConvert<QBrush>() && !(opt.state & QStyle::State_Selected)) colour = foreground.value<QBrush>().color();
  painter->setPen(colour);
  // A row's own font: the opponents of the last match stand out in bold.
  painter->setFont(opt.font);
  painter->drawText(QRect(area.left(), area.top(), column, area.height()), Qt::AlignRight | Qt::AlignVCenter, points);
  painter->drawText(area.adjusted(column + 24, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, name);
  painter->restore();
}

QSize MemberRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  size.setHeight(size.height() + 8);
  return size;
}

}  // namespace winpiruk
