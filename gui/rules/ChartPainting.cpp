#include "gui/rules/ChartPainting.h"

#include <QFontMetrics>
#include <algorithm>

namespace winpiruk {
namespace {

// The dotted grid at the quarters of the drawing height.
void DrawGrid(QPainter& painter, const QRect& area) {
  painter.setPen(QPen(kChartGrid, 1, Qt::DotLine));
  for (int q = 0; q <= 4; ++q) {
    const int y = area.top() + area.height() * q / 4;
    painter.drawLine(area.left(), y, area.right(), y);
  }
}

// A bar taller than the scale: a white gap near its top says it goes on,
// and its share of all the counts stands to its left.
void DrawTailBreak(QPainter& painter, const QRect& bar, const std::vector<long long>& counts) {
  const int gap_y = bar.top() + bar.height() / 8;
  painter.fillRect(QRect(bar.left() - 1, gap_y, bar.width() + 2, 3), Qt::white);
  long long all = 0;
  for (const long long count : counts) all += count;
  const double percent = 100.0 * static_cast<double>(counts.back()) / static_cast<double>(std::max(1LL, all));
  const int text_height = QFontMetrics(painter.font()).height();
  painter.setPen(kChartBlue);
  painter.drawText(QRect(bar.left() - 64, bar.top(), 60, text_height), Qt::AlignRight | Qt::AlignTop,
                   QString::number(percent, 'f', 1) + QStringLiteral("%"));
}

}  // namespace

QRect DrawPanel(QPainter& painter, const QRect& rect, const QString& title) {
  const int text_height = QFontMetrics(painter.font()).height();
  painter.setPen(Qt::black);
  painter.drawText(QRect(rect.left() + 4, rect.top() + 2, rect.width() - 8, text_height),
                   Qt::AlignLeft | Qt::AlignVCenter, title);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect.adjusted(0, 0, -1, -1));
  return rect.adjusted(6, text_height + 8, -6, -4);
}

void DrawBars(QPainter& painter, const QRect& area, const std::vector<ChartBar>& bars, double low, double high) {
  if (bars.empty() || high <= low) return;
  const int text_height = QFontMetrics(painter.font()).height();
  const QRect plot = area.adjusted(0, text_height, 0, -text_height - 2);
  DrawGrid(painter, plot);
  auto y_of = [&](double v) { return plot.bottom() - static_cast<int>((v - low) / (high - low) * plot.height()); };
  const int zero_y = y_of(std::clamp(0.0, low, high));
  const int slot = plot.width() / static_cast<int>(bars.size());
  const int width = std::max(2, slot * 3 / 5);
  for (std::size_t i = 0; i < bars.size(); ++i) {
    const ChartBar& bar = bars[i];
    const int x = plot.left() + slot * static_cast<int>(i) + (slot - width) / 2;
    const int top = std::min(zero_y, y_of(bar.value));
    const int bottom = std::max(zero_y, y_of(bar.value));
    painter.fillRect(QRect(x, top, width, std::max(1, bottom - top)), bar.colour);
    painter.setPen(bar.colour);
    const int text_y = bar.value >= 0 ? top - text_height : bottom;
    painter.drawText(QRect(x - slot, text_y, width + 2 * slot, text_height), Qt::AlignHCenter | Qt::AlignBottom,
                     bar.text);
    painter.setPen(bar.label_colour);
    painter.drawText(QRect(x - slot, plot.bottom() + 2, width + 2 * slot, text_height), Qt::AlignHCenter | Qt::AlignTop,
                     bar.label);
  }
  painter.setPen(QPen(kChartZero, 1));
  painter.drawLine(plot.left(), zero_y, plot.right(), zero_y);
}

void DrawHistogram(QPainter& painter, const QRect& area, const std::vector<long long>& counts,
                   const std::vector<QString>& labels, LastBin last) {
  if (counts.empty()) return;
  const int text_height = QFontMetrics(painter.font()).height();
  const QRect plot = area.adjusted(0, 2, 0, -text_height - 2);
  DrawGrid(painter, plot);
  const bool open_tail = last == LastBin::OpenTail && counts.size() > 1;
  const auto scaled_end = open_tail ? counts.end() - 1 : counts.end();
  const long long most = std::max(1LL, *std::max_element(counts.begin(), scaled_end));
  const double slot = static_cast<double>(plot.width()) / static_cast<double>(counts.size());
  for (std::size_t i = 0; i < counts.size(); ++i) {
    const int x = plot.left() + static_cast<int>(slot * static_cast<double>(i));
    const int next = plot.left() + static_cast<int>(slot * static_cast<double>(i + 1));
    const double share = static_cast<double>(counts[i]) / static_cast<double>(most);
    const int height = static_cast<int>(std::min(share, 1.0) * plot.height());
    const QRect bar(x, plot.bottom() - height, std::max(1, next - x - 1), height);
    painter.fillRect(bar, kChartBlue);
    if (share > 1.0) DrawTailBreak(painter, bar, counts);
    if (i < labels.size() && !labels[i].isEmpty()) {
      painter.setPen(kChartZero);
      painter.drawText(QRect(x - 30, plot.bottom() + 2, 60, text_height), Qt::AlignHCenter | Qt::AlignTop, labels[i]);
    }
  }
  painter.setPen(QPen(kChartZero, 1));
  painter.drawLine(plot.left(), plot.bottom(), plot.right(), plot.bottom());
}

}  // namespace winpiruk
