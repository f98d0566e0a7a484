#pragma once
// Bars and histograms in the review chart's style for the analyser's panels.
#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>
#include <vector>

namespace winpiruk {

inline const QColor kChartBlue(0, 0, 128);
inline const QColor kChartRed(128, 0, 0);
inline const QColor kChartLightRed(255, 0, 0);
inline const QColor kChartGrid(192, 192, 192);
inline const QColor kChartZero(96, 96, 96);

struct ChartBar {
  QString label;  // under the bar
  double value = 0;
  QString text;   // over the bar
  QColor colour = kChartBlue;
  QColor label_colour = Qt::black;
};

// A framed panel with its title; returns the inside left for the drawing.
QRect DrawPanel(QPainter& painter, const QRect& rect, const QString& title);

// One bar per entry from a zero line; the scale holds `low` .. `high`.
void DrawBars(QPainter& painter, const QRect& area, const std::vector<ChartBar>& bars, double low, double high);

// Thin bars for the counts, each bin's label (if any) under it. The last
// bin may be the open tail ("80+"): then the scale follows the other bins,
// and a taller tail is drawn broken at the top with its share of all.
enum class LastBin { Regular, OpenTail };
void DrawHistogram(QPainter& painter, const QRect& area, const std::vector<long long>& counts,
                   const std::vector<QString>& labels, LastBin last = LastBin::Regular);

}  // namespace winpiruk
