#include "gui/appearance/CardBackDialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/SettingsStore.h"
#include "presentation/Appearance.h"
#include "gui/appearance/SettingsWindowParts.h"
#include "gui/common/Awaiting.h"
#include "gui/common/CardPictures.h"
#include "gui/common/Colours.h"
#include "gui/common/QtSettingsHost.h"
#include "gui/common/SpokenNames.h"

namespace winpiruk {
namespace {

// The designs are shown twice their size on the table.
constexpr int kScale = 2;
constexpr int kFrame = 4;
constexpr int kColumns = 5;
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

// The design the arrow key `key` moves the frame to, round the two rows of
// five; -1 for any other key.
int DesignAfterKey(int key, int kind) {
  int image = ImageOfCardKind(kind);
  if (image == 0) image = 1;
  switch (key) {
    case Qt::Key_Left: image = image == 1 ? kCardBackKinds : image - 1; break;
    case Qt::Key_Right: image = image == kCardBackKinds ? 1 : image + 1; break;
    case Qt::Key_Up:
    case Qt::Key_Down: image = image > kColumns ? image - kColumns : image + kColumns; break;
    default: return -1;
  }
  return CardKindOfImage(image);
}

}  // namespace

CardBackDialog::CardBackDialog(GameState& state, const ProgramPaths& paths, QWidget* parent)
    : QDialog(parent), state_(state), paths_(paths), kind_(state.settings.CardKind), kind_at_open_(state.settings.CardKind) {
  setObjectName(QStringLiteral("CardBackDialog"));
  setWindowTitle(tr("ぴるく  - カード設定 -"));

  QWidget* designs = BuildDesigns();
  const ClosingButtons closing = MakeClosingButtons(this);
  okButton = closing.ok;
  cancelButton = closing.cancel;

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 16, 16, 14);
  layout->setSpacing(14);
  layout->addWidget(designs);
  layout->addLayout(ClosingRow(closing));

  connect(okButton, &QPushButton::clicked, this, &CardBackDialog::accept);
  connect(cancelButton, &QPushButton::clicked, this, &CardBackDialog::reject);

  ShowFrames();
  FinishSettingsWindow(*this, paths_.program_directory);
}

CardBackDialog::~CardBackDialog() { runs_.StopAll(); }

QWidget* CardBackDialog::BuildDesigns() {
  // The designs lie on the table's cloth, as they will in the game.
  auto* cloth = new QFrame(this);
  cloth->setObjectName(QStringLiteral("cloth"));
  cloth->setAutoFillBackground(true);
  QPalette green = cloth->palette();
  green.setColor(QPalette::Window, TableFeltColour());
  cloth->setPalette(green);
  cloth->setFrameShape(QFrame::StyledPanel);
  // The cloth takes the focus so that the arrow keys reach the window and
  // move the frame without a mouse.
  cloth->setFocusPolicy(Qt::StrongFocus);
  NameAfter(*cloth, tr("カードの裏の絵柄"));
  auto* grid = new QGridLayout(cloth);
  grid->setContentsMargins(12, 12, 12, 12);
  grid->setSpacing(8);
  // A missing design shows as an empty card, not as an error.
  CardPictures pictures(state_.settings, nullptr, QString::fromStdString(paths_.program_directory));
  pictures.SetScale(kScale, devicePixelRatioF());
  for (int kind = 0; kind < kCardBackKinds; ++kind) {
    auto* image = new QLabel(cloth);
    image->setObjectName(QStringLiteral("backImage%1").arg(kind));
    image->setPixmap(BackPicture(pictures, kind));
    image->setAlignment(Qt::AlignCenter);
    image->setFixedSize(kCardWidth * kScale + 2 * (kFrame + 3), kCardHeight * kScale + 2 * (kFrame + 3));
    image->setCursor(Qt::PointingHandCursor);
    OnLeftPress(*image, [this, kind] { ChooseDesign(static_cast<int16_t>(kind)); });
    grid->addWidget(image, kind / kColumns, kind % kColumns);
    backImages.at(static_cast<size_t>(kind)) = image;
  }
  return cloth;
}

void CardBackDialog::ShowFrames() {
  const int chosen = kind_;
  const QString highlight = kChosenFrame.name();
  for (int kind = 0; kind < kCardBackKinds; ++kind) {
    backImages.at(static_cast<size_t>(kind))
        ->setStyleSheet(kind == chosen ? QStringLiteral("QLabel { border: %1px solid %2; border-radius: 6px; }")
                                             .arg(kFrame)
                                             .arg(highlight)
                                       : QStringLiteral("QLabel { border: %1px solid transparent; }").arg(kFrame));
  }
}

void CardBackDialog::ChooseDesign(int16_t kind) {
  kind_ = kind;
  ShowFrames();
}

void CardBackDialog::done(int result) {
  if (result != QDialog::Accepted || kind_ == kind_at_open_) {
    QDialog::done(result);
    return;
  }
  // Kept (OK or the frame): the choice goes to the settings, and to the file
  // when it changed, since the next new game reads the back from there. A
  // file that cannot be written is told before the window closes.
  state_.settings.CardKind = kind_;
  kind_at_open_ = kind_;
  runs_.Start([this, result] {
    QtSettingsHost host(this);
    WriteSettings(state_, paths_, host);
    QDialog::done(result);
  });
}

void CardBackDialog::closeEvent(QCloseEvent* event) {
  // Closing by the frame keeps the choice, as OK does; the window stays
  // while a failed write is being told.
  done(QDialog::Accepted);
  event->setAccepted(!isVisible());
}

void CardBackDialog::keyPressEvent(QKeyEvent* event) {
  const int kind = DesignAfterKey(event->key(), kind_);
  if (kind < 0) {
    QDialog::keyPressEvent(event);
    return;
  }
  ChooseDesign(static_cast<int16_t>(kind));
}

bool OpenCardSettings(QWidget* parent, GameState& state, const ProgramPaths& paths) {
  const int16_t before = state.settings.CardKind;
  CardBackDialog window(state, paths, parent);
  AwaitDialog(window);
  return state.settings.CardKind != before;
}

}  // namespace winpiruk
