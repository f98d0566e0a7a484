#include "gui/rules/RulesDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

#include "config/NumberText.h"
#include "config/SettingsStore.h"
#include "gui/rules/SaveRuleSetDialog.h"
#include "gui/rules/OpenRuleSetDialog.h"
#include "gui/rules/RuleAnalyser.h"
#include "gui/common/Captions.h"
#include "gui/common/EnterKey.h"
#include "gui/common/HelpWindow.h"
#include "gui/common/QtSettingsHost.h"

namespace winpiruk {
namespace {

const QString kExpandCaption = QStringLiteral("その他の設定(&S) >>");
const QString kCollapseCaption = QStringLiteral("<< その他の設定(&S)");

constexpr int kNumberWidth = 58;
constexpr int kListWidth = 132;

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

template <size_t N>
void Fill(QComboBox* combo, const std::array<std::string_view, N>& choices) {
  for (std::string_view choice : choices) combo->addItem(Text(choice));
}

// The list position that shows a value; nothing selected when it has no entry.
int Position(int value, int count) { return value >= 0 && value < count ? value : -1; }

int16_t Flag(bool on) { return on ? 1 : 0; }

// The fields the window changes, from one state into another: the rules, the
// colours, member group and key guide the initial state resets, the flags it
// clears and the speed.
void CopyRuleFields(const GameState& from, GameState& to) {
  RestoreSavedRules(TakeSavedRules(from), to);
  to.settings.GameSpeed = from.settings.GameSpeed;
}

// A number box beside its scroll bar.
QHBoxLayout* NumberRow(QLineEdit* text, QScrollBar* scroll) {
  auto* row = new QHBoxLayout;
  row->setSpacing(1);
  row->addWidget(text);
  row->addWidget(scroll);
  row->addStretch(1);
  return row;
}

}  // namespace

RulesDialog::RulesDialog(GameState& state, const ProgramPaths& paths, RuleWindowHooks hooks, QWidget* parent)
    : CentredDialog(parent), state_(state), draft_(state), paths_(paths), hooks_(std::move(hooks)) {
  setObjectName(QStringLiteral("RulesDialog"));
  setWindowTitle(QStringLiteral("ぴるく  －ﾙｰﾙ設定－"));
  setModal(true);
  BuildControls();
  QLayout* layout = BuildLayout();
  // The window takes the size of what it shows: the expander grows and
  // shrinks it.
  layout->setSizeConstraint(QLayout::SetFixedSize);

  RuleWindowExpanded = 0;
  Command3->setText(AccessCaption(kExpandCaption));
  LowerPart->setVisible(false);
  RefreshPanels();

  RepairOnOpening(draft_.settings);
  ShowRules(true);
  RuleWindowHeight = sizeHint().height();
}

void RulesDialog::AddLabel(QLabel*& target, const char* name, const QString& caption) {
  target = new QLabel(AccessCaption(caption), this);
  target->setObjectName(QString::fromLatin1(name));
}

void RulesDialog::AddCombo(QComboBox*& target, const char* name, QLabel* buddy, const QString& tip) {
  target = new QComboBox(this);
  target->setObjectName(QString::fromLatin1(name));
  target->setMinimumWidth(kListWidth);
  target->setMaxVisibleItems(14);
  if (!tip.isEmpty()) {
    target->setToolTip(tip);
    buddy->setToolTip(tip);
  }
  buddy->setBuddy(target);
  WatchKeys(*target);
}

void RulesDialog::AddCheck(QCheckBox*& target, const char* name, const QString& caption, int16_t Settings::*field,
                     const QString& tip) {
  target = new QCheckBox(AccessCaption(caption), this);
  target->setObjectName(QString::fromLatin1(name));
  if (!tip.isEmpty()) target->setToolTip(tip);
  connect(target, &QCheckBox::clicked, this, [this, field](bool on) { draft_.settings.*field = Flag(on); });
}

void RulesDialog::AddNumber(QLineEdit*& text, const char* text_name, QScrollBar*& scroll, const char* scroll_name,
                      QLabel* buddy, const NumberBox& box, const QString& tip) {
  text = new QLineEdit(this);
  text->setObjectName(QString::fromLatin1(text_name));
  text->setFixedWidth(kNumberWidth);
  text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  scroll = new QScrollBar(Qt::Vertical, this);
  scroll->setObjectName(QString::fromLatin1(scroll_name));
  scroll->setRange(box.scroll_min, box.scroll_max);
  scroll->setPageStep(box.scroll_max - box.scroll_min > 100 ? 10 : 1);
  scroll->setFixedSize(17, text->sizeHint().height());
  buddy->setBuddy(text);
  if (!tip.isEmpty()) {
    for (QWidget* w : std::initializer_list<QWidget*>{text, scroll, buddy}) w->setToolTip(tip);
  }
  WatchKeys(*text);
  WatchKeys(*scroll);
  QLineEdit* shown = text;
  QScrollBar* bar = scroll;
  connect(scroll, &QScrollBar::valueChanged, this, [this, &box, shown, bar] { NumberBox_Change(box, shown, bar); });
  connect(text, &QLineEdit::textChanged, this, [this, &box, shown] { Text_Change(box, shown); });
}

void RulesDialog::AddButton(QPushButton*& target, const char* name, const QString& caption, const QString& tip) {
  target = new QPushButton(AccessCaption(caption), this);
  target->setObjectName(QString::fromLatin1(name));
  target->setAutoDefault(false);
  if (!tip.isEmpty()) target->setToolTip(tip);
}

void RulesDialog::BuildControls() {
  // The controls are made in the order the focus goes through them.
  BuildPrincipleControls();
  BuildSupplementControls();
  BuildEnvironmentControls();
  BuildDetectionControls();
  BuildSystemControls();
  for (QComboBox* cards : {Combo1, Combo2, Combo3, Combo4}) Fill(cards, kCardChoices);
  Fill(Combo5, kRestrictTimeChoices);
  Fill(Combo6, kFinishMeansChoices);
  Fill(Combo7, kYakitoriChoices);
  Fill(Combo8, kGameSpeedChoices);
  for (QComboBox* watched : {Combo2, Combo4, Combo6}) {
    connect(watched, &QComboBox::currentIndexChanged, this, [this] { ApplyEnablingRules(); });
  }
  BuildButtons();
  BuildPanels();
}

void RulesDialog::BuildPrincipleControls() {
  // ルール原則
  AddLabel(Label13, "Label13", QStringLiteral("スキップカード(&C)"));
  AddCombo(Combo1, "Combo1", Label13, QStringLiteral("ひとり飛ばしとなるカードです"));
  AddLabel(Label14, "Label14", QStringLiteral("ドローカード(&D)"));
  AddCombo(Combo2, "Combo2", Label14, QStringLiteral("無条件にカードを引かせます"));
  AddLabel(Label15, "Label15", QStringLiteral("ドロー枚数(&N)"));
  AddNumber(Text5, "Text5", VScroll6, "VScroll6", Label15, kPenaltyLeavesBox,
            QStringLiteral("ドローカードで引かせる枚数です"));
  AddLabel(Label16, "Label16", QStringLiteral("リバースカード(&F)"));
  AddCombo(Combo3, "Combo3", Label16, QStringLiteral("進行方向を逆転させるカードです"));
  AddLabel(Label17, "Label17", QStringLiteral("スローモア(&M)"));
  AddCombo(Combo4, "Combo4", Label17, QStringLiteral("もう１枚続けて捨てることができるカードです"));
  AddCheck(Check3D3, "Check3D3", QStringLiteral("捨てる義務(&Z)"), &Settings::MoreDropCardMode,
           QStringLiteral("最後の１枚でも捨てなければなりません"));
  AddLabel(Label18, "Label18", QStringLiteral("ゲーム回数(&K)"));
  AddNumber(Text6, "Text6", VScroll9, "VScroll9", Label18, kNumberOfGamesBox, QString());
  AddLabel(Label19, "Label19", QStringLiteral("上がり方(&A)"));
  AddCombo(Combo6, "Combo6", Label19, QStringLiteral("上がり方を指定します"));
}

void RulesDialog::BuildSupplementControls() {
  // ルール補足
  AddLabel(Label1, "Label1", QStringLiteral("ヤキトリ(&Y)"));
  AddCombo(Combo7, "Combo7", Label1, QStringLiteral("1度も上がれなかったときのペナルティです"));
  AddCheck(Check3D8, "Check3D8", QStringLiteral("ぴるくがえし(&G)"), &Settings::PirukGaeshi,
           QStringLiteral("ぴるくがえしの有効/無効を選択します"));
  AddCheck(Check3D5, "Check3D5", QStringLiteral("終了時ウマ(&U)"), &Settings::BonusSwitch,
           QStringLiteral("ゲーム終了時にメンバー間ウマの有効/無効を選択します"));
  AddCheck(Check3D6, "Check3D6", QStringLiteral("エクストラナンバー(&E)"), &Settings::ExtraCardEnable,
           QStringLiteral("麻雀での裏ドラのようなボーナスナンバーです"));
  AddCheck(Check1, "Check1", QStringLiteral("多数上がりﾎﾞｰﾅｽ(&O)"), &Settings::ManyCardBonus,
           QStringLiteral("３枚以上の手札のときボーナス得点が加算されます"));
  AddCheck(Check2, "Check2", QStringLiteral("'A'を11としても扱う(&I)"), &Settings::AceAliasJack,
           QStringLiteral("'A'の数を11として計算して上がることもできるようにします(手札のときだけ)"));
}

void RulesDialog::BuildEnvironmentControls() {
  // ゲーム環境
  AddLabel(Label6, "Label6", QStringLiteral("進行速度(&P)"));
  AddCombo(Combo8, "Combo8", Label6, QString());
  AddLabel(Label2, "Label2", QStringLiteral("時間制限(&T)"));
  AddCombo(Combo5, "Combo5", Label2, QStringLiteral("捨てるときの時間制限を有効/無効にします"));
  AddCheck(Check3D2, "Check3D2", QStringLiteral("カードオープン(&Q)"), &Settings::CardOpen, QString());
  AddCheck(Check3D4, "Check3D4", QStringLiteral("サウンド"), &Settings::SoundMode, QString());
}

void RulesDialog::BuildDetectionControls() {
  // ぴるく自動判定
  Option3 = new QRadioButton(AccessCaption(QStringLiteral("する(&W)")), this);
  Option3->setObjectName(QStringLiteral("Option3"));
  Option3->setToolTip(QStringLiteral("上がりを自動判定します"));
  Option4 = new QRadioButton(AccessCaption(QStringLiteral("しない(&X)")), this);
  Option4->setObjectName(QStringLiteral("Option4"));
  Option4->setToolTip(QStringLiteral("上がるときは、捨て札をダブルクリックしないと上がれません"));
  auto* detection = new QButtonGroup(this);
  detection->addButton(Option3);
  detection->addButton(Option4);
  for (QRadioButton* option : {Option3, Option4}) WatchKeys(*option);
  connect(Option3, &QRadioButton::clicked, this, [this] {
    draft_.settings.AutoJudgment = 1;
    ApplyEnablingRules();
  });
  connect(Option4, &QRadioButton::clicked, this, [this] {
    draft_.settings.AutoJudgment = 0;
    ApplyEnablingRules();
  });
  AddCheck(Check3D7, "Check3D7", QStringLiteral("確認(&B)"), &Settings::PirukConfirm,
           QStringLiteral("自動判定により上がれるとき、上がるかどうかの意志確認をします"));
  AddLabel(Label3, "Label3", QStringLiteral("確認時間(&J)"));
  AddNumber(Text9, "Text9", VScroll3, "VScroll3", Label3, kJudgmentWaitTimeBox,
            QStringLiteral("上がるときの、ダブルクリック猶予時間の指定です"));
}

void RulesDialog::BuildSystemControls() {
  // システム, カード位置微調整
  AddCheck(Check3D1, "Check3D1", QStringLiteral("タスク譲渡(&L)"), &Settings::DoOtherTasks, QString());
  AddLabel(Label5, "Label5", QStringLiteral("水平位置(&H)"));
  AddNumber(Text8, "Text8", VScroll2, "VScroll2", Label5, kHorizonCardPosBox, QString());
  AddLabel(Label4, "Label4", QStringLiteral("垂直位置(&V)"));
  AddNumber(Text7, "Text7", VScroll1, "VScroll1", Label4, kVerticalCardPosBox, QString());
}

void RulesDialog::BuildButtons() {
  AddButton(Command1, "Command1", QStringLiteral("OK"), QString());
  Command1->setDefault(true);
  AddButton(Command2, "Command2", QStringLiteral("ｷｬﾝｾﾙ"), QString());
  AddButton(Command4, "Command4", QStringLiteral("初期状態に戻す(&R)"), QString());
  AddButton(Command3D2, "Command3D2", QStringLiteral("開く(&O)..."), QStringLiteral("ルール設定ファイルを開きます"));
  AddButton(Command3D3, "Command3D3", QStringLiteral("保存(&S)..."), QStringLiteral("現在の設定状態を保存できます"));
  // Every letter is taken in this window; L belongs otherwise to a check
  // box of the expander's part, hidden until it is opened.
  AddButton(Command5, "Command5", QStringLiteral("ﾙｰﾙ分析(&L)..."),
            QStringLiteral("画面のルールで多数の局を対戦させ、結果をグラフで示します"));
  AddButton(Command3, "Command3", kExpandCaption, QString());
  AddButton(HelpButton, "HelpButton", QStringLiteral("ﾍﾙﾌﾟ"), QStringLiteral("ヘルプの目次を開きます (F1)"));
  connect(Command1, &QPushButton::clicked, this, &RulesDialog::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &RulesDialog::reject);
  connect(Command3, &QPushButton::clicked, this, &RulesDialog::Command3_Click);
  connect(Command4, &QPushButton::clicked, this, &RulesDialog::Command4_Click);
  connect(Command3D2, &QPushButton::clicked, this, &RulesDialog::Command3D2_Click);
  connect(Command3D3, &QPushButton::clicked, this, &RulesDialog::Command3D3_Click);
  connect(Command5, &QPushButton::clicked, this, &RulesDialog::Command5_Click);
  auto show_help = [this] { ShowHelpContents(this, paths_.program_directory); };
  connect(HelpButton, &QPushButton::clicked, this, show_help);
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, show_help);
}

void RulesDialog::BuildPanels() {
  Line1 = new QFrame(this);
  Line1->setObjectName(QStringLiteral("Line1"));
  Line1->setFrameShape(QFrame::HLine);
  Line1->setFrameShadow(QFrame::Sunken);
  for (QLabel** panel : {&Panel3D1, &Panel3D2}) {
    *panel = new QLabel(this);
    (*panel)->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    (*panel)->setMargin(2);
    (*panel)->setMinimumWidth(1);
  }
  Panel3D1->setObjectName(QStringLiteral("Panel3D1"));
  Panel3D2->setObjectName(QStringLiteral("Panel3D2"));
}

QGridLayout* RulesDialog::AddFrame(QGroupBox*& target, const char* name, const QString& caption) {
  target = new QGroupBox(caption, this);
  target->setObjectName(QString::fromLatin1(name));
  auto* grid = new QGridLayout(target);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(6);
  grid->setColumnStretch(1, 1);
  return grid;
}

void RulesDialog::LayOutRuleFrames() {
  QGridLayout* principles = AddFrame(Frame3D5, "Frame3D5", QStringLiteral("ルール原則"));
  principles->addWidget(Label13, 0, 0);
  principles->addWidget(Combo1, 0, 1);
  principles->addWidget(Label14, 1, 0);
  principles->addWidget(Combo2, 1, 1);
  principles->addWidget(Label15, 2, 0);
  principles->addLayout(NumberRow(Text5, VScroll6), 2, 1);
  principles->addWidget(Label16, 3, 0);
  principles->addWidget(Combo3, 3, 1);
  principles->addWidget(Label17, 4, 0);
  principles->addWidget(Combo4, 4, 1);
  principles->addWidget(Check3D3, 5, 1);
  principles->addWidget(Label18, 6, 0);
  principles->addLayout(NumberRow(Text6, VScroll9), 6, 1);
  principles->addWidget(Label19, 7, 0);
  principles->addWidget(Combo6, 7, 1);
  principles->setRowStretch(8, 1);

  QGridLayout* supplements = AddFrame(Frame3D7, "Frame3D7", QStringLiteral("ルール補足"));
  supplements->addWidget(Label1, 0, 0);
  supplements->addWidget(Combo7, 0, 1);
  int row = 1;
  for (QCheckBox* box : {Check3D8, Check3D5, Check3D6, Check1, Check2}) supplements->addWidget(box, row++, 0, 1, 2);
  supplements->setRowStretch(row, 1);

  QGridLayout* environment = AddFrame(Frame3D1, "Frame3D1", QStringLiteral("ゲーム環境"));
  environment->addWidget(Label6, 0, 0);
  environment->addWidget(Combo8, 0, 1);
  environment->addWidget(Label2, 1, 0);
  environment->addWidget(Combo5, 1, 1);
  environment->addWidget(Check3D2, 2, 0, 1, 2);
  environment->addWidget(Check3D4, 3, 0, 1, 2);
}

void RulesDialog::LayOutOtherFrames() {
  QGridLayout* detection = AddFrame(Frame3D3, "Frame3D3", QStringLiteral("ぴるく自動判定"));
  auto* options = new QHBoxLayout;
  options->setSpacing(16);
  options->addWidget(Option3);
  options->addWidget(Option4);
  options->addStretch(1);
  detection->addLayout(options, 0, 0, 1, 2);
  detection->addWidget(Check3D7, 1, 0, 1, 2);
  detection->addWidget(Label3, 2, 0);
  detection->addLayout(NumberRow(Text9, VScroll3), 2, 1);
  detection->setRowStretch(3, 1);

  QGridLayout* system = AddFrame(Frame3D4, "Frame3D4", QStringLiteral("システム"));
  system->addWidget(Check3D1, 0, 0);
  system->setRowStretch(1, 1);

  QGridLayout* position = AddFrame(Frame3D2, "Frame3D2", QStringLiteral("カード位置微調整"));
  position->addWidget(Label5, 0, 0);
  position->addLayout(NumberRow(Text8, VScroll2), 0, 1);
  position->addItem(new QSpacerItem(24, 1, QSizePolicy::Fixed, QSizePolicy::Minimum), 0, 2);
  position->addWidget(Label4, 0, 3);
  position->addLayout(NumberRow(Text7, VScroll1), 0, 4);
  position->setColumnStretch(1, 0);
  position->setColumnStretch(5, 1);
  position->setRowStretch(1, 1);
}

QLayout* RulesDialog::LayOutUpperPart() {
  auto* middle = new QVBoxLayout;
  middle->setSpacing(8);
  middle->addWidget(Frame3D7);
  middle->addWidget(Frame3D1);

  auto* right = new QVBoxLayout;
  right->setSpacing(8);
  right->addWidget(Frame3D3);
  right->addStretch(1);

  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(6);
  buttons->addWidget(Command1);
  buttons->addWidget(Command2);
  buttons->addSpacing(14);
  buttons->addWidget(Command4);
  buttons->addWidget(Command3D2);
  buttons->addWidget(Command3D3);
  buttons->addWidget(Command5);
  buttons->addStretch(1);
  buttons->addWidget(HelpButton);
  buttons->addWidget(Command3);
  right->addLayout(buttons);

  auto* upper = new QHBoxLayout;
  upper->setSpacing(10);
  upper->addWidget(Frame3D5);
  upper->addLayout(middle);
  upper->addLayout(right);
  return upper;
}

QLayout* RulesDialog::BuildLayout() {
  LayOutRuleFrames();
  LayOutOtherFrames();
  QLayout* upper = LayOutUpperPart();

  LowerPart = new QWidget(this);
  LowerPart->setObjectName(QStringLiteral("LowerPart"));
  auto* lower = new QHBoxLayout(LowerPart);
  lower->setContentsMargins(0, 0, 0, 0);
  lower->setSpacing(10);
  lower->addWidget(Frame3D4);
  lower->addWidget(Frame3D2, 1);

  auto* panels = new QHBoxLayout;
  panels->setSpacing(4);
  panels->addWidget(Panel3D1, 1);
  panels->addWidget(Panel3D2, 1);

  auto* whole = new QVBoxLayout(this);
  whole->setContentsMargins(12, 10, 12, 8);
  whole->setSpacing(8);
  whole->addLayout(upper);
  whole->addWidget(Line1);
  whole->addWidget(LowerPart);
  whole->addLayout(panels);
  return whole;
}

void RulesDialog::ShowRules(bool with_speed) {
  const Settings& s = draft_.settings;
  showing_ = true;
  const std::pair<QCheckBox*, int16_t> checks[] = {
      {Check3D1, s.DoOtherTasks}, {Check3D2, s.CardOpen},        {Check3D3, s.MoreDropCardMode},
      {Check3D4, s.SoundMode},    {Check3D5, s.BonusSwitch},     {Check3D6, s.ExtraCardEnable},
      {Check3D7, s.PirukConfirm}, {Check3D8, s.PirukGaeshi},     {Check1, s.ManyCardBonus},
      {Check2, s.AceAliasJack},
  };
  for (const auto& [box, value] : checks) box->setChecked(value != 0);

  const std::tuple<const NumberBox*, QLineEdit*, QScrollBar*> numbers[] = {
      {&kPenaltyLeavesBox, Text5, VScroll6},   {&kNumberOfGamesBox, Text6, VScroll9},
      {&kJudgmentWaitTimeBox, Text9, VScroll3}, {&kHorizonCardPosBox, Text8, VScroll2},
      {&kVerticalCardPosBox, Text7, VScroll1},
  };
  for (const auto& [box, text, scroll] : numbers) {
    const int value = s.*(box->field);
    text->setText(QString::fromStdString(NumberText(value)));
    scroll->setValue(ScrollPosition(*box, value));
  }

  const std::pair<QComboBox*, int16_t> lists[] = {
      {Combo1, s.SkipCard},     {Combo2, s.PenaltyCard},  {Combo3, s.InverseCard},  {Combo4, s.MoreDropCard},
      {Combo5, s.RestrictTime}, {Combo6, s.FinishMeans},  {Combo7, s.YakitoriMode},
  };
  for (const auto& [list, value] : lists) list->setCurrentIndex(Position(value, list->count()));
  if (with_speed) Combo8->setCurrentIndex(Position(s.GameSpeed, Combo8->count()));
  showing_ = false;
  ApplyEnablingRules();
}

void RulesDialog::ApplyEnablingRules() {
  const RuleControlStates c =
      RuleControls(Combo2->currentIndex(), Combo4->currentIndex(), Combo6->currentIndex(), draft_.settings);
  for (QWidget* w : std::initializer_list<QWidget*>{Label15, Text5, VScroll6}) w->setEnabled(c.draw_count_enabled);
  Check3D3->setEnabled(c.discard_duty_enabled);
  for (QWidget* w : std::initializer_list<QWidget*>{Check3D5, Check3D6, Check3D8, Combo7, Label1, Check1, Check2}) {
    w->setEnabled(c.supplements_enabled);
  }
  Option3->setEnabled(c.detection_enabled);
  Option4->setEnabled(c.detection_enabled);
  Option3->setChecked(c.auto_detection_on);
  Option4->setChecked(!c.auto_detection_on);
  // A disabled label is drawn grey, an enabled one black.
  for (QWidget* w : std::initializer_list<QWidget*>{Text9, VScroll3, Label3}) w->setEnabled(c.wait_time_enabled);
  Check3D7->setEnabled(c.confirm_enabled);
  Check3D2->setVisible(c.card_open_visible);
  Frame3D5->setVisible(c.card_open_visible);
}

void RulesDialog::RefreshPanels() {
  QSize table;
  if (hooks_.table_size) {
    table = hooks_.table_size();
  } else if (parentWidget() != nullptr) {
    table = parentWidget()->window()->size();
  }
  Panel3D1->setText(QStringLiteral("  ｹﾞｰﾑ盤面ｻｲｽﾞ = (") + QString::fromStdString(NumberText(table.width())) +
                    QStringLiteral(" x") + QString::fromStdString(NumberText(table.height())) + QStringLiteral(" )"));
  Panel3D2->setText(draft_.SettingsBaseName.empty()
                        ? QString()
                        : QStringLiteral(" 設定ﾍﾞｰｽ : ") + QString::fromStdString(draft_.SettingsBaseName));
}

ListChoices RulesDialog::ListsShown() const {
  ListChoices lists;
  lists.SkipCard = Combo1->currentIndex();
  lists.PenaltyCard = Combo2->currentIndex();
  lists.InverseCard = Combo3->currentIndex();
  lists.MoreDropCard = Combo4->currentIndex();
  lists.RestrictTime = Combo5->currentIndex();
  lists.FinishMeans = Combo6->currentIndex();
  lists.YakitoriMode = Combo7->currentIndex();
  lists.GameSpeed = Combo8->currentIndex();
  return lists;
}

void RulesDialog::NumberBox_Change(const NumberBox& box, QLineEdit* text, QScrollBar* scroll) {
  if (showing_) return;
  const int16_t value = ScrollValue(box, scroll->value());
  draft_.settings.*(box.field) = value;
  text->setText(QString::fromStdString(NumberText(value)));
}

void RulesDialog::Text_Change(const NumberBox& box, QLineEdit* text) {
  if (showing_) return;
  draft_.settings.*(box.field) = TypedNumber(text->text().toStdString());
}

void RulesDialog::HandBackRules() { CopyRuleFields(draft_, state_); }

// A rule set opened from the window holds at once, whatever button closes
// the window: the table follows it through the hook.
void RulesDialog::HandBackLoadedRuleSet() {
  state_.settings = draft_.settings;
  state_.CardBackShown = draft_.CardBackShown;
  state_.BgmTrack = draft_.BgmTrack;
  state_.SettingsBaseName = draft_.SettingsBaseName;
  state_.RuleSetDirectory = draft_.RuleSetDirectory;
  HandBackRules();
  if (hooks_.rule_set_loaded) hooks_.rule_set_loaded();
}

void RulesDialog::Command1_Click() {
  // A list value out of range keeps the one in the live state.
  ConfirmRules(ListsShown(), true, TakeSavedRules(state_), draft_.settings);
  HandBackRules();
  QtSettingsHost host(this);
  WriteSettings(state_, paths_, host);
  accepted_ = true;
  accept();
}

void RulesDialog::Command3_Click() {
  const bool expand = RuleWindowExpanded == 0;
  RuleWindowExpanded = expand ? 1 : 0;
  LowerPart->setVisible(expand);
  Command3->setText(AccessCaption(expand ? kCollapseCaption : kExpandCaption));
}

void RulesDialog::Command4_Click() {
  ApplyInitialState(draft_);
  ShowRules(false);
}

void RulesDialog::Command3D2_Click() {
  if (!OpenRuleSetFile(this, draft_, [this] { HandBackLoadedRuleSet(); })) return;
  rule_set_loaded_ = true;
  // The controls follow the loaded rules, so that OK stores what the file held.
  RepairOnOpening(draft_.settings);
  ShowRules(false);
  RefreshPanels();
}

void RulesDialog::Command3D3_Click() {
  ConfirmRules(ListsShown(), false, TakeSavedRules(state_), draft_.settings);
  ShowRules(false);
  // The rules are known by the file's name from now on, even if the window
  // is then cancelled.
  if (SaveRuleSetFile(this, draft_)) state_.SettingsBaseName = draft_.SettingsBaseName;
  RefreshPanels();
}

Settings RulesDialog::RulesOnScreen() const {
  Settings rules = draft_.settings;
  ConfirmRules(ListsShown(), false, TakeSavedRules(state_), rules);
  return rules;
}

void RulesDialog::Command5_Click() { OpenRuleAnalyser(this, state_, RulesOnScreen(), state_.settings); }

RuleWindowResult RulesDialog::Result() const {
  RuleWindowResult result;
  result.accepted = accepted_;
  result.card_kind_changed = state_.settings.CardKind != state_.CardBackShown;
  result.restrict_time_set = state_.settings.RestrictTime != 0;
  result.rule_set_loaded = rule_set_loaded_;
  return result;
}

bool RulesDialog::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) RefreshPanels();
  return QDialog::event(event);
}

void RulesDialog::WatchKeys(QWidget& field) {
  field.installEventFilter(this);
  OnEnterKey(field, [this] { Command1->setFocus(Qt::TabFocusReason); });
}

bool RulesDialog::eventFilter(QObject* watched, QEvent* event) {
  // Escape in a field cancels the window, as it does elsewhere in it.
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    reject();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

RuleWindowResult OpenRuleSettings(QWidget* parent, GameState& state, const ProgramPaths& paths, RuleWindowHooks hooks) {
  RulesDialog window(state, paths, std::move(hooks), parent);
  window.exec();
  return window.Result();
}

}  // namespace winpiruk
