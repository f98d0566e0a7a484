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
#include "state/Settings.h"
#include "gui/common/CardPictures.h"

namespace winpiruk {
namespace {

constexpr int kRowCapacity = 10;
constexpr int kCardGap = 4;

QString Text(const std::string& text) { return QString::fromStdString(text); }

QLabel* NewLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
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
  return pictures_.Face(code);
}

HandResultDialog::HandResultDialog(const GameState& state, HandResultView result, MissingCardPicture missing_picture, QWidget* parent)
    : CentredDialog(parent),
      state_(state),
      missing_picture_(std::move(missing_picture)),
      pictures_(state.settings, missing_picture_),
      view_(std::move(result)) {
  setObjectName(QStringLiteral("HandResultDialog"));
  setWindowTitle(QStringLiteral("ぴるく  －結果－"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setModal(true);

  BuildLabels();
  BuildControls();
  LayOut();

  connect(Command1, &QPushButton::clicked, this, &HandResultDialog::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &HandResultDialog::Command2_Click);
  connect(Timer1, &QTimer::timeout, this, &HandResultDialog::Timer1_Timer);

  Form_Load();
}

void HandResultDialog::BuildLabels() {
  Label1 = NewLabel(this, "Label1");
  QFont banner_font = font();
  banner_font.setPointSize(18);
  banner_font.setBold(true);
  Label1->setFont(banner_font);
  Label1->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
  Label2 = NewLabel(this, "Label2");
  Label3 = NewLabel(this, "Label3");
  Label4 = NewLabel(this, "Label4");
  Label5 = NewLabel(this, "Label5");
  for (QLabel* name : {Label3, Label5}) {
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
  }
  Label6 = NewLabel(this, "Label6");
  Label6->setFont(ExplanationFont());
  Label6->setFrameShape(QFrame::StyledPanel);
  Label6->setFrameShadow(QFrame::Sunken);
  Label6->setAutoFillBackground(true);
  Label6->setBackgroundRole(QPalette::Base);
  Label6->setMargin(8);
  Label6->setMinimumHeight(72);
  // The panel spans both card columns, so every ending opens at one width.
  Label6->setMinimumWidth((kRowCapacity + 2) * kCardWidth + (kRowCapacity - 1) * kCardGap + kCardGap + 24);
  Label6->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Label7 = NewLabel(this, "Label7");
  Label7->setAlignment(Qt::AlignHCenter);
}

void HandResultDialog::BuildControls() {
  for (int i = 1; i < static_cast<int>(Picture.size()); ++i) {
    Picture[i] = NewLabel(this, ("Picture" + std::to_string(i)).c_str());
    Picture[i]->setFixedSize(kCardWidth, kCardHeight);
    Picture[i]->hide();
  }

  Command1 = new QPushButton(QStringLiteral("OK"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setDefault(true);
  Command1->setMinimumWidth(96);
  Command2 = new QPushButton(QStringLiteral("&Abort"), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command2->setMinimumWidth(96);
  Command2->setAutoDefault(false);
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kResultCountdownTickMs);
}

void HandResultDialog::LayOut() {
  auto card_row = [this](int first) {
    auto* row = new QHBoxLayout;
    row->setSpacing(kCardGap);
    for (int i = first; i < first + kRowCapacity; ++i) row->addWidget(Picture[i]);
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
  key_cards->addWidget(Picture[21]);
  key_cards->addWidget(Picture[22]);
  auto* extra = new QVBoxLayout;
  extra->setSpacing(2);
  extra->addWidget(Picture[23], 0, Qt::AlignHCenter);
  extra->addWidget(Label7);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(24);
  grid->setVerticalSpacing(6);
  grid->addWidget(Label1, 0, 0, Qt::AlignLeft | Qt::AlignVCenter);
  grid->addLayout(extra, 0, 1, 2, 1, Qt::AlignRight | Qt::AlignTop);
  grid->addLayout(heading_row(Label2, Label3), 1, 0);
  grid->addLayout(card_row(1), 2, 0);
  grid->addLayout(key_cards, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
  grid->addLayout(heading_row(Label4, Label5), 3, 0);
  grid->addLayout(card_row(11), 4, 0);
  grid->setColumnMinimumWidth(0, kRowCapacity * kCardWidth + (kRowCapacity - 1) * kCardGap);
  grid->setColumnMinimumWidth(1, 2 * kCardWidth + kCardGap);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Command1);
  buttons->addWidget(Command2);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 14, 18, 14);
  layout->setSpacing(10);
  layout->addLayout(grid);
  layout->addWidget(Label6);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void HandResultDialog::ShowCards(int first_picture, const std::vector<int16_t>& cards, int capacity) {
  for (int i = 0; i < capacity; ++i) {
    QLabel* picture = Picture[first_picture + i];
    if (i < static_cast<int>(cards.size())) {
      picture->setPixmap(CardPicture(cards[i]));
      picture->show();
    } else {
      picture->hide();
    }
  }
}

void HandResultDialog::Form_Load() {
  Label1->setText(Text(view_.banner));
  Label1->setVisible(!view_.banner.empty());
  Label2->setText(Text(view_.first_heading));
  Label3->setText(Text(view_.first_name));
  Label4->setText(Text(view_.second_heading));
  Label5->setText(Text(view_.second_name));
  Label4->setVisible(!view_.second_heading.empty());
  Label5->setVisible(!view_.second_heading.empty());
  ShowCards(1, view_.first_cards, kRowCapacity);
  ShowCards(11, view_.second_cards, kRowCapacity);
  ShowCards(21, view_.key_cards, 2);
  ShowCards(23, view_.extra_card != 0 ? std::vector<int16_t>{view_.extra_card} : std::vector<int16_t>{}, 1);
  Label7->setText(Text(view_.extra_caption));
  Label7->setVisible(view_.extra_card != 0);

  QStringList lines;
  for (const std::string& line : view_.explanation) lines << Text(line);
  Label6->setText(lines.join(QLatin1Char('\n')));
  Label6->setVisible(!lines.isEmpty());

  if (state_.AutoPlay == 1) {
    ResultCountdown = kResultCountdownSeconds;
    Command1->setText(QString::number(ResultCountdown));
    Timer1->start();
  }
}

void HandResultDialog::Command1_Click() {
  close_reason_ = HandResultClose::Ok;
  accept();
}

void HandResultDialog::Command2_Click() {
  Timer1->stop();
  close_reason_ = HandResultClose::Abort;
  emit abortChosen();
  reject();
}

void HandResultDialog::Timer1_Timer() {
  --ResultCountdown;
  if (ResultCountdown < 0) {
    Timer1->stop();
    close_reason_ = HandResultClose::Countdown;
    accept();
    return;
  }
  Command1->setText(QString::number(ResultCountdown));
}

void HandResultDialog::done(int result) {
  Timer1->stop();
  QDialog::done(result);
}

}  // namespace winpiruk
