#pragma once
// One of the four face-down cards of the dealer draw; a click draws it.
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <functional>

#include "presentation/PictureNames.h"

namespace winpiruk {

class CardPicture : public QLabel {
 public:
  explicit CardPicture(QWidget* parent) : QLabel(parent) {
    setFixedSize(kShownWidth, kShownHeight);
    setAlignment(Qt::AlignCenter);
  }

  void SetCard(const QPixmap& picture) {
    setPixmap(picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  }

  void SetDrawable(bool drawable) { setCursor(drawable ? Qt::PointingHandCursor : Qt::ArrowCursor); }

  std::function<void()> clicked;

  // The cards are shown half again as large as on the table: the draw is
  // the whole content of the window while it runs.
  static constexpr int kShownWidth = kCardWidth * 3 / 2;
  static constexpr int kShownHeight = kCardHeight * 3 / 2;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && clicked) clicked();
  }
};

}  // namespace winpiruk
