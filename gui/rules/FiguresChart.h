#pragma once
// One column of the rule analyser's charts: the figures of one run under one
// set of rules, drawn as the review chart draws (white ground, dotted grid,
// the palette's blue and red).
#include <QString>
#include <QWidget>
#include <array>

#include "analysis/Figures.h"
#include "state/Settings.h"

namespace winpiruk {

// The mark under a rank that the rules make special ("ｽｷｯﾌﾟ", "ﾄﾞﾛｰ",
// "ﾘﾊﾞｰｽ", "ﾓｱ"), empty for a plain rank; [0] is unused.
std::array<QString, 14> SpecialRankMarks(const Settings& rules);

// The caption of an ending as the charts show it.
QString EndingCaption(analysis::Ending ending);

class FiguresChart : public QWidget {
  Q_OBJECT

 public:
  explicit FiguresChart(QWidget* parent = nullptr);

  void Show(const QString& title, const Settings& rules, const analysis::Figures& figures,
            const std::array<QString, kSeats>& seat_names);
  void Clear();
  const analysis::Figures& Shown() const { return figures_; }
  const QString& Title() const { return title_; }

  QSize sizeHint() const override { return {460, 640}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString title_;
  Settings rules_;
  analysis::Figures figures_;
  std::array<QString, kSeats> seat_names_;
  bool shown_ = false;
};

}  // namespace winpiruk
