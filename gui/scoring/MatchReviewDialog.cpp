#include "gui/scoring/MatchReviewDialog.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "scoring/ReviewChart.h"
#include "gui/common/OkButtonBox.h"
#include "gui/common/WindowRuns.h"
#include "gui/scoring/ScoringWindow.h"

namespace winpiruk {
namespace {

// Colours of the 16-colour palette: 1 blue, 4 red, 12 light red.
const QColor kPaletteBlue(0, 0, 128);
const QColor kPaletteRed(128, 0, 0);
const QColor kPaletteLightRed(255, 0, 0);
const QColor kGridColour(192, 192, 192);
const QColor kZeroLineColour(96, 96, 96);

constexpr int kChartWidth = 600;
constexpr int kChartHeight = 380;

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QFont ReviewChartArea::ChartFont() {
  const QStringList families = QFontDatabase::families();
  QString family = QStringLiteral("標準ゴシック");
  for (const QString& candidate : {QStringLiteral("標準ゴシック"), QStringLiteral("IPAGothic"),
                                   QStringLiteral("IPAPGothic"), QStringLiteral("IPAゴシック")}) {
    if (families.contains(candidate)) {
      family = candidate;
      break;
    }
  }
  QFont font(family, 10);
  font.setBold(true);
  return font;
}

ReviewChartArea::ReviewChartArea(const GameState& state, QWidget* parent) : QWidget(parent), state_(state) {
  setObjectName(QStringLiteral("chartArea"));
  setFixedSize(kChartWidth, kChartHeight);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
}

void ReviewChartArea::paintEvent(QPaintEvent*) {
  const ReviewChart chart = LayoutReviewChart(state_, width(), height());
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(ChartFont());
  const QFontMetrics metrics(painter.font());
  const int text_height = metrics.height();

  // Grid lines at the hands, then the zero line over them.
  painter.setPen(QPen(kGridColour, 1, Qt::DotLine));
  for (const ReviewHand& hand : chart.hands) painter.drawLine(QPointF(hand.x + 0.5, 1), QPointF(hand.x + 0.5, height() - 1));
  painter.setPen(QPen(kZeroLineColour, 1));
  painter.drawLine(QPointF(1, chart.zero_y + 0.5), QPointF(width() - 1, chart.zero_y + 0.5));

  // Hand numbers just under the zero line.
  painter.setPen(kZeroLineColour);
  for (const ReviewHand& hand : chart.hands) {
    painter.drawText(QRect(hand.x - 20, chart.zero_y + 2, 40, text_height), Qt::AlignHCenter | Qt::AlignTop,
                     QString::number(hand.number));
  }

  // The running total.
  QPainterPath path(QPointF(chart.start_x, chart.zero_y));
  for (const ReviewHand& hand : chart.hands) path.lineTo(hand.x, hand.y);
  painter.setPen(QPen(kPaletteLightRed, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path);
  painter.setBrush(kPaletteLightRed);
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(QPointF(chart.start_x, chart.zero_y), 3.5, 3.5);
  for (const ReviewHand& hand : chart.hands) painter.drawEllipse(QPointF(hand.x, hand.y), 2.5, 2.5);

  // Each hand's word, joined to its point.
  for (const ReviewHand& hand : chart.hands) {
    if (hand.word.empty()) continue;
    const QString word = Text(hand.word);
    const int word_width = metrics.horizontalAdvance(word);
    const int left = std::clamp(hand.x - word_width / 2, 2, std::max(2, width() - word_width - 2));
    painter.setPen(Qt::black);
    painter.drawText(QRect(left, hand.word_y, word_width, text_height), Qt::AlignLeft | Qt::AlignTop, word);
    painter.setPen(QPen(Qt::black, 1));
    if (hand.total >= 0) painter.drawLine(QPointF(hand.x, hand.word_y + text_height), QPointF(hand.x, hand.y - 3));
    else painter.drawLine(QPointF(hand.x, hand.y + 3), QPointF(hand.x, hand.word_y));
  }

  // Each hand's points along the bottom.
  for (const ReviewHand& hand : chart.hands) {
    painter.setPen(hand.loss ? kPaletteRed : kPaletteBlue);
    painter.drawText(QRect(hand.x - 30, height() - text_height - 4, 60, text_height), Qt::AlignHCenter | Qt::AlignTop,
                     Text(hand.points_text));
  }

  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));
}

MatchReviewDialog::MatchReviewDialog(const GameState& state, QWidget* parent) : CentredDialog(parent) {
  SetUpScoringWindow(*this, QStringLiteral("MatchReviewDialog"), tr("ぴるく  - 考察 -"));
  chartArea = new ReviewChartArea(state, this);
  QDialogButtonBox* buttons = OkButtonBox(this, okButton);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 10);
  layout->addWidget(chartArea);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

void ShowReviewWindow(QWidget* parent, const GameState& state) {
  AwaitOrLeaveOpen(new MatchReviewDialog(state, parent));
}

}  // namespace winpiruk
