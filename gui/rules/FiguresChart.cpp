#include "gui/rules/FiguresChart.h"

#include <QPaintEvent>
#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "gui/rules/ChartPainting.h"
#include "gui/scoring/MatchReviewDialog.h"

namespace winpiruk {
namespace {

using analysis::Figures;

const std::array<QString, 14> kRankLabels = {QString(), "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

double Share(long long part, long long whole) {
  return whole > 0 ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

QString Percent(double share) { return QString::number(share, 'f', 1) + QStringLiteral("%"); }

void DrawEndings(QPainter& painter, const QRect& rect, const Figures& f) {
  const QRect area = DrawPanel(painter, rect, FiguresChart::tr("上がり方 (局の割合)"));
  std::vector<ChartBar> bars;
  for (int e = 0; e < analysis::kEndings; ++e) {
    const auto ending = static_cast<analysis::Ending>(e);
    if (ending == analysis::Ending::Other && f.endings[e] == 0) continue;
    const double share = Share(f.endings[e], f.hands);
    bars.push_back({EndingCaption(ending), share, Percent(share), kChartBlue});
  }
  DrawBars(painter, area, bars, 0, 100);
}

void DrawLengths(QPainter& painter, const QRect& rect, const Figures& f) {
  const double mean = f.hands > 0 ? static_cast<double>(f.turns) / static_cast<double>(f.hands) : 0.0;
  const QRect area = DrawPanel(painter, rect, FiguresChart::tr("1局の手番数  平均 %1 手").arg(mean, 0, 'f', 1));
  std::vector<long long> counts(f.hand_length.begin(), f.hand_length.end());
  std::vector<QString> labels;
  for (int bin = 0; bin < analysis::kLengthBins; ++bin) {
    const bool last = bin == analysis::kLengthBins - 1;
    labels.push_back(last ? QStringLiteral("%1+").arg(bin) : bin % 10 == 0 ? QString::number(bin) : QString());
  }
  DrawHistogram(painter, area, counts, labels, LastBin::OpenTail);
}

void DrawPoints(QPainter& painter, const QRect& rect, const Figures& f, const std::array<QString, kSeats>& seats) {
  const QRect area = DrawPanel(painter, rect, FiguresChart::tr("1局あたりの得点 (席ごと)"));
  std::vector<ChartBar> bars;
  double most = 1;
  for (int seat = 0; seat < kSeats; ++seat) {
    const double mean = f.hands > 0 ? static_cast<double>(f.points_by_seat[seat]) / static_cast<double>(f.hands) : 0.0;
    most = std::max(most, std::abs(mean));
    bars.push_back({seats[seat], mean, QString::number(mean, 'f', 2), mean < 0 ? kChartRed : kChartBlue});
  }
  // Room beyond the longest bar for its value.
  DrawBars(painter, area, bars, -most * 1.3, most * 1.3);
}

QString SpecialLegend(const std::array<QString, 14>& marks) {
  QString legend;
  for (int rank = 1; rank <= 13; ++rank) {
    if (marks[rank].isEmpty()) continue;
    legend += (legend.isEmpty() ? QStringLiteral("  ") + FiguresChart::tr("赤: ") : QStringLiteral(" / ")) + marks[rank] +
              QStringLiteral(" ") + kRankLabels[rank];
  }
  return legend;
}

void DrawDiscards(QPainter& painter, const QRect& rect, const Figures& f, const Settings& rules) {
  const std::array<QString, 14> marks = SpecialRankMarks(rules);
  const QRect area = DrawPanel(painter, rect, FiguresChart::tr("捨てられた数字 (割合)") + SpecialLegend(marks));
  long long all = 0;
  for (int rank = 1; rank <= 13; ++rank) all += f.discards_by_rank[rank];
  std::vector<ChartBar> bars;
  double most = 1;
  for (int rank = 1; rank <= 13; ++rank) {
    const double share = Share(f.discards_by_rank[rank], all);
    most = std::max(most, share);
    const QColor colour = marks[rank].isEmpty() ? kChartBlue : kChartLightRed;
    bars.push_back({kRankLabels[rank], share, QString::number(share, 'f', 1), colour, colour});
  }
  DrawBars(painter, area, bars, 0, most * 1.15);
}

void DrawFinalPoints(QPainter& painter, const QRect& rect, const Figures& f) {
  const QRect area = DrawPanel(painter, rect, FiguresChart::tr("試合終了時の得点 (全席, 10点きざみ)"));
  std::vector<long long> counts(analysis::kFinalPointBins, 0);
  for (int seat = 0; seat < kSeats; ++seat) {
    for (int bin = 0; bin < analysis::kFinalPointBins; ++bin) counts[bin] += f.final_points[seat][bin];
  }
  std::vector<QString> labels;
  // Bin 0 holds everything below the lowest; the others start at their label.
  for (int bin = 0; bin < analysis::kFinalPointBins; ++bin) {
    const int low = analysis::kFinalPointLow + (bin - 1) * analysis::kFinalPointStep;
    labels.push_back(bin > 0 && low % 100 == 0 ? QString::number(low) : QString());
  }
  DrawHistogram(painter, area, counts, labels, LastBin::OpenTail);
}

void DrawMatchWins(QPainter& painter, const QRect& rect, const Figures& f, const std::array<QString, kSeats>& seats) {
  const QRect area = DrawPanel(painter, rect, FiguresChart::tr("試合に勝った割合 (席ごと)"));
  std::vector<ChartBar> bars;
  for (int seat = 0; seat < kSeats; ++seat) {
    const double share = Share(f.match_wins[seat], f.matches);
    bars.push_back({seats[seat], share, Percent(share), kChartBlue});
  }
  DrawBars(painter, area, bars, 0, 100);
}

}  // namespace

std::array<QString, 14> SpecialRankMarks(const Settings& rules) {
  std::array<QString, 14> marks;
  auto mark = [&marks](int16_t rank, const QString& caption) {
    if (rank < 1 || rank > 13) return;
    //: Joins two roles of one rank in the chart's legend.
    marks[rank] += (marks[rank].isEmpty() ? QString() : FiguresChart::tr("・")) + caption;
  };
  mark(rules.SkipCard, FiguresChart::tr("ｽｷｯﾌﾟ"));
  mark(rules.PenaltyCard, FiguresChart::tr("ﾄﾞﾛｰ"));
  mark(rules.InverseCard, FiguresChart::tr("ﾘﾊﾞｰｽ"));
  mark(rules.MoreDropCard, FiguresChart::tr("ﾓｱ"));
  return marks;
}

QString EndingCaption(analysis::Ending ending) {
  switch (ending) {
    case analysis::Ending::Call: return FiguresChart::tr("ぴるく");
    case analysis::Ending::CounterCall: return FiguresChart::tr("ぴるくがえし");
    case analysis::Ending::DiscardFinish: return FiguresChart::tr("捨て上がり");
    case analysis::Ending::CardOver: return FiguresChart::tr("ｵｰﾊﾞｰ");
    case analysis::Ending::NoGame: return FiguresChart::tr("お流れ");
    case analysis::Ending::InitialMatch: return FiguresChart::tr("ｲﾆｼｬﾙ");
    case analysis::Ending::Other: break;
  }
  return FiguresChart::tr("その他");
}

FiguresChart::FiguresChart(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FiguresChart"));
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setMinimumSize(380, 520);
}

void FiguresChart::Show(const QString& title, const Settings& rules, const analysis::Figures& figures,
                        const std::array<QString, kSeats>& seat_names) {
  title_ = title;
  rules_ = rules;
  figures_ = figures;
  seat_names_ = seat_names;
  shown_ = true;
  update();
}

void FiguresChart::Clear() {
  figures_ = {};
  shown_ = false;
  update();
}

void FiguresChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(ReviewChartArea::ChartFont());
  const int text_height = QFontMetrics(painter.font()).height();
  painter.setPen(Qt::black);
  QString heading = title_;
  const QLocale numbers(QLocale::English);
  if (shown_) heading += QStringLiteral("   ") + tr("%1 局").arg(numbers.toString(figures_.hands));
  if (shown_ && figures_.matches > 0) heading += QStringLiteral(" / ") + tr("%1 試合").arg(numbers.toString(figures_.matches));
  painter.drawText(QRect(6, 4, width() - 12, text_height), Qt::AlignLeft | Qt::AlignVCenter, heading);
  if (!shown_ || figures_.hands == 0) return;
  const bool matches = figures_.matches > 0;
  const int panels = matches ? 6 : 4;
  const int top = text_height + 10;
  const int height = (this->height() - top - 4) / panels;
  auto panel = [&](int i) { return QRect(4, top + i * height, width() - 8, height - 4); };
  DrawEndings(painter, panel(0), figures_);
  DrawLengths(painter, panel(1), figures_);
  DrawPoints(painter, panel(2), figures_, seat_names_);
  DrawDiscards(painter, panel(3), figures_, rules_);
  if (!matches) return;
  DrawFinalPoints(painter, panel(4), figures_);
  DrawMatchWins(painter, panel(5), figures_, seat_names_);
}

}  // namespace winpiruk
