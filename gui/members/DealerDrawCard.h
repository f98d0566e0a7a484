#pragma once
// One of the four face-down cards of the dealer draw; a click draws it.
#include <QLabel>
#include <QPixmap>

#include "presentation/PictureNames.h"

namespace winpiruk {

class DealerDrawCard : public QLabel {
  Q_OBJECT

 public:
  explicit DealerDrawCard(QWidget* parent) : QLabel(parent) {
    setFixedSize(kShownWidth, kShownHeight);
    setAlignment(Qt::AlignCenter);
  }

  // A picture made at the shown size is shown as it is, at its own pixel
  // ratio; any other is fitted.
  void SetCard(const QPixmap& picture) {
    if (picture.deviceIndependentSize().toSize() == size()) {
      setPixmap(picture);
    } else {
      setPixmap(picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
  }

  void SetDrawable(bool drawable) { setCursor(drawable ? Qt::PointingHandCursor : Qt::ArrowCursor); }

  // The cards are shown half again as large as on the table: the draw is
  // the whole content of the window while it runs.
  static constexpr int kShownWidth = kCardWidth * 3 / 2;
  static constexpr int kShownHeight = kCardHeight * 3 / 2;

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace winpiruk
