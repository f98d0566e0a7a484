#include "gui/appearance/CardBackDialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/SettingsStore.h"
#include "presentation/Appearance.h"
#include "gui/common/CardPictures.h"
#include "gui/common/Colours.h"
#include "gui/common/HelpKey.h"
#include "gui/common/QtSettingsHost.h"
#include "gui/common/WindowPlacement.h"

namespace winpiruk {
namespace {

// The designs are shown twice their size on the table.
constexpr int kScale = 2;
constexpr int kFrame = 4;
// The frame that stands out on the table's felt.
const QColor kChosenFrame(255, 215, 0);

// A design whose picture is missing is shown as an empty card.
QPixmap MissingBack() {
  QPixmap blank(kCardWidth * kScale, kCardHeight * kScale);
  blank.fill(Qt::transparent);
  QPainter painter(&blank);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(150, 150, 150), 2, Qt::DashLine));
  painter.setBrush(QColor(235, 235, 235));
  painter.drawRoundedRect(QRectF(blank.rect()).adjusted(1, 1, -1, -1), 8, 8);
  painter.setPen(QColor(150, 150, 150));
  QFont font = painter.font();
  font.setPixelSize(32);
  painter.setFont(font);
  painter.drawText(blank.rect(), Qt::AlignCenter, QStringLiteral("?"));
  return blank;
}

// Drawn at the size shown and the screen's pixel ratio.
QPixmap BackPicture(CardPictures& pictures, int kind) {
  const QPixmap& picture = pictures.Back(kind, BackOrientation::Upright, routine::kTopBacks);
  return picture.isNull() ? MissingBack() : picture;
}

}  // namespace

CardBackDialog::CardBackDialog(GameState& state, const ProgramPaths& paths, QWidget* parent)
    : QDialog(parent), state_(state), paths_(paths), kind_at_open_(state.settings.CardKind) {
  setObjectName(QStringLiteral("CardBackDialog"));
  setWindowTitle(QStringLiteral("ぴるく  - カード設定 -"));

  // The designs lie on the table's cloth, as they will in the game.
  auto* cloth = new QFrame(this);
  cloth->setObjectName(QStringLiteral("Cloth"));
  cloth->setAutoFillBackground(true);
  QPalette green = cloth->palette();
  green.setColor(QPalette::Window, TableFeltColour());
  cloth->setPalette(green);
  cloth->setFrameShape(QFrame::StyledPanel);
  auto* designs = new QGridLayout(cloth);
  designs->setContentsMargins(12, 12, 12, 12);
  designs->setSpacing(8);
  // A missing design shows as an empty card, not as an error.
  CardPictures pictures(state_.settings, nullptr, QString::fromStdString(paths_.program_directory));
  pictures.SetScale(kScale, devicePixelRatioF());
  for (int n = 1; n <= kCardBackKinds; ++n) {
    auto* image = new QLabel(cloth);
    image->setObjectName(QStringLiteral("Image%1").arg(n));
    image->setPixmap(BackPicture(pictures, CardKindOfImage(n)));
    image->setAlignment(Qt::AlignCenter);
    image->setFixedSize(kCardWidth * kScale + 2 * (kFrame + 3), kCardHeight * kScale + 2 * (kFrame + 3));
    image->setCursor(Qt::PointingHandCursor);
    image->installEventFilter(this);
    designs->addWidget(image, (n - 1) / 5, (n - 1) % 5);
    Image.at(static_cast<size_t>(n)) = image;
  }

  Command3D1 = new QPushButton(QStringLiteral("OK"), this);
  Command3D1->setObjectName(QStringLiteral("Command3D1"));
  Command3D2 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  Command3D2->setObjectName(QStringLiteral("Command3D2"));
  for (QPushButton* button : {Command3D1, Command3D2}) button->setMinimumWidth(96);
  Command3D1->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 16, 16, 14);
  layout->setSpacing(14);
  layout->addWidget(cloth);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Command3D1);
  buttons->addWidget(Command3D2);
  layout->addLayout(buttons);

  connect(Command3D1, &QPushButton::clicked, this, &CardBackDialog::accept);
  AddHelpKey(*this, paths.program_directory);
  connect(Command3D2, &QPushButton::clicked, this, &CardBackDialog::reject);

  ShowFrames();
  adjustSize();
  CentreOnScreen(*this);
}

void CardBackDialog::ShowFrames() {
  const int chosen = ImageOfCardKind(state_.settings.CardKind);
  const QString highlight = kChosenFrame.name();
  for (int n = 1; n <= kCardBackKinds; ++n) {
    Image.at(static_cast<size_t>(n))
        ->setStyleSheet(n == chosen ? QStringLiteral("QLabel { border: %1px solid %2; border-radius: 6px; }")
                                          .arg(kFrame)
                                          .arg(highlight)
                                    : QStringLiteral("QLabel { border: %1px solid transparent; }").arg(kFrame));
  }
}

void CardBackDialog::Image_Click(int number) {
  if (number < 1 || number > kCardBackKinds) return;
  state_.settings.CardKind = CardKindOfImage(number);
  ShowFrames();
}

void CardBackDialog::reject() {
  state_.settings.CardKind = kind_at_open_;
  QDialog::reject();
}

void CardBackDialog::done(int result) {
  if (result == QDialog::Accepted && state_.settings.CardKind != kind_at_open_) {
    QtSettingsHost host(this);
    WriteSettings(state_, paths_, host);
    kind_at_open_ = state_.settings.CardKind;
  }
  QDialog::done(result);
}

void CardBackDialog::closeEvent(QCloseEvent* event) {
  // Closing by the frame keeps the choice, as OK does.
  event->accept();
  done(QDialog::Accepted);
}

void CardBackDialog::keyPressEvent(QKeyEvent* event) {
  // The arrow keys move the frame over the two rows of five.
  constexpr int kColumns = 5;
  int image = ImageOfCardKind(state_.settings.CardKind);
  if (image == 0) image = 1;
  switch (event->key()) {
    case Qt::Key_Left: image = image == 1 ? kCardBackKinds : image - 1; break;
    case Qt::Key_Right: image = image == kCardBackKinds ? 1 : image + 1; break;
    case Qt::Key_Up:
    case Qt::Key_Down: image = image > kColumns ? image - kColumns : image + kColumns; break;
    default: QDialog::keyPressEvent(event); return;
  }
  Image_Click(image);
}

bool CardBackDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    for (int n = 1; n <= kCardBackKinds; ++n) {
      if (watched == Image.at(static_cast<size_t>(n))) {
        Image_Click(n);
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

bool OpenCardSettings(QWidget* parent, GameState& state, const ProgramPaths& paths) {
  const int16_t before = state.settings.CardKind;
  CardBackDialog window(state, paths, parent);
  window.exec();
  return state.settings.CardKind != before;
}

}  // namespace winpiruk
