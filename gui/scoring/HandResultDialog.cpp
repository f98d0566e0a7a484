#include "gui/scoring/HandResultDialog.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "engine/Durations.h"
#include "presentation/PictureNames.h"
#include "presentation/SpokenTable.h"
#include "state/Settings.h"
#include "gui/common/CardPictures.h"
#include "gui/scoring/ScoringWindow.h"

namespace winpiruk {
namespace {

constexpr int kCardGap = 4;

QString Text(const std::string& text) { return QString::fromStdString(text); }

QLabel* NewLabel(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  return label;
}

// A card's place: hidden until a card is shown in it.
QLabel* CardPlace(QWidget* parent, const QString& name) {
  QLabel* place = NewLabel(parent, name);
  place->setFixedSize(kCardWidth, kCardHeight);
  place->hide();
  return place;
}

// The font of the explanation: fixed-width, so that the lines line up by
// their blanks as they are written.
QFont ExplanationFont() {
  const QStringList families = QFontDatabase::families();
  for (const QString& family : {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")}) {
    if (families.contains(family)) return QFont(family, 11);
  }
  return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

}  // namespace

QPixmap HandResultDialog::CardPicture(int code) {
  const std::string name = CardFaceFile(code);
  if (name.empty()) return {};  // no card: an empty place
  // Drawn for this screen's pixels. No stand-in: the result shows the cards
  // the table showed, or nothing.
  pictures_.SetScale(1.0, devicePixelRatioF());
  pictures_.SetDeckColours(DeckColoursOf(state_.window));
  return pictures_.Face(code);
}

HandResultDialog::HandResultDialog(const GameState& state, HandResultView result, MissingCardPicture missing_picture, QWidget* parent)
    : CentredDialog(parent),
      state_(state),
      missing_picture_(std::move(missing_picture)),
      pictures_(state.settings, missing_picture_),
      view_(std::move(result)) {
  SetUpScoringWindow(*this, QStringLiteral("HandResultDialog"), tr("ぴるく  －結果－"));

  BuildLabels();
  BuildControls();
  LayOut();

  connect(okButton, &QPushButton::clicked, this, &HandResultDialog::OnOk);
  connect(abortButton, &QPushButton::clicked, this, &HandResultDialog::OnAbort);
  connect(countdownTimer, &QTimer::timeout, this, &HandResultDialog::OnCountdownTick);

  ShowResult();
}

void HandResultDialog::BuildLabels() {
  bannerLabel = NewLabel(this, QStringLiteral("bannerLabel"));
  QFont banner_font = font();
  banner_font.setPointSize(18);
  banner_font.setBold(true);
  bannerLabel->setFont(banner_font);
  bannerLabel->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
  firstHeadingLabel = NewLabel(this, QStringLiteral("firstHeadingLabel"));
  firstNameLabel = NewLabel(this, QStringLiteral("firstNameLabel"));
  secondHeadingLabel = NewLabel(this, QStringLiteral("secondHeadingLabel"));
  secondNameLabel = NewLabel(this, QStringLiteral("secondNameLabel"));
  for (QLabel* name : {firstNameLabel, secondNameLabel}) {
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
  }
  explanationLabel = NewLabel(this, QStringLiteral("explanationLabel"));
  explanationLabel->setFont(ExplanationFont());
  explanationLabel->setFrameShape(QFrame::StyledPanel);
  explanationLabel->setFrameShadow(QFrame::Sunken);
  explanationLabel->setAutoFillBackground(true);
  explanationLabel->setBackgroundRole(QPalette::Base);
  explanationLabel->setMargin(8);
  explanationLabel->setMinimumHeight(72);
  // The panel spans both card columns, so every ending opens at one width.
  explanationLabel->setMinimumWidth((kRowCapacity + 2) * kCardWidth + (kRowCapacity - 1) * kCardGap + kCardGap + 24);
  explanationLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  extraCaptionLabel = NewLabel(this, QStringLiteral("extraCaptionLabel"));
  extraCaptionLabel->setAlignment(Qt::AlignHCenter);
}

void HandResultDialog::BuildControls() {
  for (int i = 0; i < kRowCapacity; ++i) firstRowCards[i] = CardPlace(this, QStringLiteral("firstRowCard%1").arg(i + 1));
  for (int i = 0; i < kRowCapacity; ++i) secondRowCards[i] = CardPlace(this, QStringLiteral("secondRowCard%1").arg(i + 1));
  for (int i = 0; i < 2; ++i) keyCards[i] = CardPlace(this, QStringLiteral("keyCard%1").arg(i + 1));
  extraCard = CardPlace(this, QStringLiteral("extraCard"));

  okButton = new QPushButton(QStringLiteral("OK"), this);
  okButton->setObjectName(QStringLiteral("okButton"));
  okButton->setDefault(true);
  okButton->setMinimumWidth(96);
  abortButton = new QPushButton(tr("&Abort"), this);
  abortButton->setObjectName(QStringLiteral("abortButton"));
  abortButton->setMinimumWidth(96);
  abortButton->setAutoDefault(false);
  countdownTimer = new QTimer(this);
  countdownTimer->setObjectName(QStringLiteral("countdownTimer"));
  countdownTimer->setInterval(kResultCountdownTickMs);
}

void HandResultDialog::LayOut() {
  auto card_row = [](const std::array<QLabel*, kRowCapacity>& cards) {
    auto* row = new QHBoxLayout;
    row->setSpacing(kCardGap);
    for (QLabel* card : cards) row->addWidget(card);
    row->addStretch(1);
    return row;
  };
  auto heading_row = [](QLabel* heading, QLabel* name) {
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    row->addWidget(heading);
    row->addWidget(name);
    row->addStretch(1);
    return row;
  };

  auto* key_cards = new QHBoxLayout;
  key_cards->setSpacing(kCardGap);
  key_cards->addWidget(keyCards[0]);
  key_cards->addWidget(keyCards[1]);
  auto* extra = new QVBoxLayout;
  extra->setSpacing(2);
  extra->addWidget(extraCard, 0, Qt::AlignHCenter);
  extra->addWidget(extraCaptionLabel);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(24);
  grid->setVerticalSpacing(6);
  grid->addWidget(bannerLabel, 0, 0, Qt::AlignLeft | Qt::AlignVCenter);
  grid->addLayout(extra, 0, 1, 2, 1, Qt::AlignRight | Qt::AlignTop);
  grid->addLayout(heading_row(firstHeadingLabel, firstNameLabel), 1, 0);
  grid->addLayout(card_row(firstRowCards), 2, 0);
  grid->addLayout(key_cards, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
  grid->addLayout(heading_row(secondHeadingLabel, secondNameLabel), 3, 0);
  grid->addLayout(card_row(secondRowCards), 4, 0);
  grid->setColumnMinimumWidth(0, kRowCapacity * kCardWidth + (kRowCapacity - 1) * kCardGap);
  grid->setColumnMinimumWidth(1, 2 * kCardWidth + kCardGap);

  // Two buttons of its own rather than a button box, which would order them
  // by the desktop's convention.
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(okButton);
  buttons->addWidget(abortButton);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 14, 18, 14);
  layout->setSpacing(10);
  layout->addLayout(grid);
  layout->addWidget(explanationLabel);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void HandResultDialog::ShowCards(std::span<QLabel* const> places, const std::vector<int16_t>& cards) {
  for (size_t i = 0; i < places.size(); ++i) {
    QLabel* picture = places[i];
    if (i < cards.size()) {
      picture->setPixmap(CardPicture(cards[i]));
      // Read by the card it shows, as on the table.
      picture->setAccessibleName(QString::fromStdString(SpokenCard(cards[i])));
      picture->show();
    } else {
      picture->hide();
    }
  }
}

void HandResultDialog::ShowResult() {
  bannerLabel->setText(Text(view_.banner));
  bannerLabel->setVisible(!view_.banner.empty());
  firstHeadingLabel->setText(Text(view_.first_heading));
  firstNameLabel->setText(Text(view_.first_name));
  secondHeadingLabel->setText(Text(view_.second_heading));
  secondNameLabel->setText(Text(view_.second_name));
  secondHeadingLabel->setVisible(!view_.second_heading.empty());
  secondNameLabel->setVisible(!view_.second_heading.empty());
  ShowCards(firstRowCards, view_.first_cards);
  ShowCards(secondRowCards, view_.second_cards);
  ShowCards(keyCards, view_.key_cards);
  ShowCards({&extraCard, 1}, view_.extra_card != 0 ? std::vector<int16_t>{view_.extra_card} : std::vector<int16_t>{});
  extraCaptionLabel->setText(Text(view_.extra_caption));
  extraCaptionLabel->setVisible(view_.extra_card != 0);

  QStringList lines;
  for (const std::string& line : view_.explanation) lines << Text(line);
  explanationLabel->setText(lines.join(QLatin1Char('\n')));
  explanationLabel->setVisible(!lines.isEmpty());

  if (state_.table.AutoPlay) {
    ResultCountdown = kResultCountdownSeconds;
    okButton->setText(QString::number(ResultCountdown));
    countdownTimer->start();
  }
}

void HandResultDialog::OnOk() {
  close_reason_ = HandResultClose::Ok;
  accept();
}

void HandResultDialog::OnAbort() {
  countdownTimer->stop();
  close_reason_ = HandResultClose::Abort;
  emit abortChosen();
  reject();
}

void HandResultDialog::OnCountdownTick() {
  --ResultCountdown;
  if (ResultCountdown < 0) {
    countdownTimer->stop();
    close_reason_ = HandResultClose::Countdown;
    accept();
    return;
  }
  okButton->setText(QString::number(ResultCountdown));
}

void HandResultDialog::done(int result) {
  countdownTimer->stop();
  QDialog::done(result);
}

}  // namespace winpiruk
