#include "gui/rules/RuleWindowControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <string>

#include "gui/common/Captions.h"

namespace winpiruk {
namespace {

constexpr int kNumberWidth = 58;
constexpr int kListWidth = 132;

// The rules keep the lists' choices, marked for translation under their
// own context; the window shows them translated.
template <size_t N>
void Fill(QComboBox* combo, const std::array<std::string_view, N>& choices) {
  for (std::string_view choice : choices) {
    const std::string source(choice);
    combo->addItem(QCoreApplication::translate("RuleSettings", source.c_str()));
  }
}

template <typename Control>
Control* Named(Control* control, const char* name) {
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

// Makes the controls of one window, each under its member's name.
class Maker {
 public:
  explicit Maker(QWidget& window) : window_(window) {}

  QLabel* Label(const char* name, const QString& caption) const {
    return Named(new QLabel(AccessCaption(caption), &window_), name);
  }

  QComboBox* List(const char* name, QLabel* buddy, const QString& tip) const {
    auto* list = Named(new QComboBox(&window_), name);
    list->setMinimumWidth(kListWidth);
    list->setMaxVisibleItems(14);
    if (!tip.isEmpty()) {
      list->setToolTip(tip);
      buddy->setToolTip(tip);
    }
    buddy->setBuddy(list);
    return list;
  }

  QCheckBox* Check(const char* name, const QString& caption, const QString& tip) const {
    auto* box = Named(new QCheckBox(AccessCaption(caption), &window_), name);
    if (!tip.isEmpty()) box->setToolTip(tip);
    return box;
  }

  // `name` is the stem: "drawCount" makes drawCountBox and drawCountBar.
  RuleNumberControl Number(const std::string& name, QLabel* buddy, const NumberBox& box, const QString& tip) const {
    auto* text = Named(new QLineEdit(&window_), (name + "Box").c_str());
    text->setFixedWidth(kNumberWidth);
    text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* bar = Named(new QScrollBar(Qt::Vertical, &window_), (name + "Bar").c_str());
    bar->setRange(box.scroll_min, box.scroll_max);
    bar->setPageStep(box.scroll_max - box.scroll_min > 100 ? 10 : 1);
    bar->setFixedSize(17, text->sizeHint().height());
    buddy->setBuddy(text);
    if (!tip.isEmpty()) {
      for (QWidget* w : std::initializer_list<QWidget*>{text, bar, buddy}) w->setToolTip(tip);
    }
    return {&box, text, bar};
  }

  QPushButton* Button(const char* name, const QString& caption, const QString& tip) const {
    auto* button = Named(new QPushButton(AccessCaption(caption), &window_), name);
    button->setAutoDefault(false);
    if (!tip.isEmpty()) button->setToolTip(tip);
    return button;
  }

  QRadioButton* Option(const char* name, const QString& caption, const QString& tip) const {
    auto* option = Named(new QRadioButton(AccessCaption(caption), &window_), name);
    option->setToolTip(tip);
    return option;
  }

  QLabel* Panel(const char* name) const {
    auto* panel = Named(new QLabel(&window_), name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMargin(2);
    panel->setMinimumWidth(1);
    return panel;
  }

  QWidget& window_;
};

void MakePrinciples(const Maker& make, RuleWindowControls& c) {
  c.skipCardLabel = make.Label("skipCardLabel", QCoreApplication::translate("RulesDialog", "スキップカード(&C)"));
  c.skipCardList = make.List("skipCardList", c.skipCardLabel,
                             QCoreApplication::translate("RulesDialog", "ひとり飛ばしとなるカードです"));
  c.drawCardLabel = make.Label("drawCardLabel", QCoreApplication::translate("RulesDialog", "ドローカード(&D)"));
  c.drawCardList = make.List("drawCardList", c.drawCardLabel,
                             QCoreApplication::translate("RulesDialog", "無条件にカードを引かせます"));
  c.drawCountLabel = make.Label("drawCountLabel", QCoreApplication::translate("RulesDialog", "ドロー枚数(&N)"));
  c.drawCount = make.Number("drawCount", c.drawCountLabel, kPenaltyLeavesBox,
                            QCoreApplication::translate("RulesDialog", "ドローカードで引かせる枚数です"));
  c.reverseCardLabel =
      make.Label("reverseCardLabel", QCoreApplication::translate("RulesDialog", "リバースカード(&F)"));
  c.reverseCardList = make.List("reverseCardList", c.reverseCardLabel,
                                QCoreApplication::translate("RulesDialog", "進行方向を逆転させるカードです"));
  c.throwMoreCardLabel =
      make.Label("throwMoreCardLabel", QCoreApplication::translate("RulesDialog", "スローモア(&M)"));
  c.throwMoreCardList =
      make.List("throwMoreCardList", c.throwMoreCardLabel,
                QCoreApplication::translate("RulesDialog", "もう１枚続けて捨てることができるカードです"));
  c.discardDutyCheck = make.Check("discardDutyCheck", QCoreApplication::translate("RulesDialog", "捨てる義務(&Z)"),
                                  QCoreApplication::translate("RulesDialog", "最後の１枚でも捨てなければなりません"));
  c.handCountLabel = make.Label("handCountLabel", QCoreApplication::translate("RulesDialog", "ゲーム回数(&K)"));
  c.handCount = make.Number("handCount", c.handCountLabel, kNumberOfGamesBox, QString());
  c.finishLabel = make.Label("finishLabel", QCoreApplication::translate("RulesDialog", "上がり方(&A)"));
  c.finishList =
      make.List("finishList", c.finishLabel, QCoreApplication::translate("RulesDialog", "上がり方を指定します"));
}

void MakeSupplements(const Maker& make, RuleWindowControls& c) {
  c.yakitoriLabel = make.Label("yakitoriLabel", QCoreApplication::translate("RulesDialog", "ヤキトリ(&Y)"));
  c.yakitoriList = make.List("yakitoriList", c.yakitoriLabel,
                             QCoreApplication::translate("RulesDialog", "1度も上がれなかったときのペナルティです"));
  c.pirukGaeshiCheck = make.Check("pirukGaeshiCheck", QCoreApplication::translate("RulesDialog", "ぴるくがえし(&G)"),
                                  QCoreApplication::translate("RulesDialog", "ぴるくがえしの有効/無効を選択します"));
  c.closingBonusCheck =
      make.Check("closingBonusCheck", QCoreApplication::translate("RulesDialog", "終了時ウマ(&U)"),
                 QCoreApplication::translate("RulesDialog", "ゲーム終了時にメンバー間ウマの有効/無効を選択します"));
  c.extraNumberCheck =
      make.Check("extraNumberCheck", QCoreApplication::translate("RulesDialog", "エクストラナンバー(&E)"),
                 QCoreApplication::translate("RulesDialog", "麻雀での裏ドラのようなボーナスナンバーです"));
  c.manyCardBonusCheck =
      make.Check("manyCardBonusCheck", QCoreApplication::translate("RulesDialog", "多数上がりﾎﾞｰﾅｽ(&O)"),
                 QCoreApplication::translate("RulesDialog", "３枚以上の手札のときボーナス得点が加算されます"));
  c.aceAsElevenCheck = make.Check(
      "aceAsElevenCheck", QCoreApplication::translate("RulesDialog", "'A'を11としても扱う(&I)"),
      QCoreApplication::translate("RulesDialog",
                                  "'A'の数を11として計算して上がることもできるようにします(手札のときだけ)"));
}

void MakeEnvironment(const Maker& make, RuleWindowControls& c) {
  c.speedLabel = make.Label("speedLabel", QCoreApplication::translate("RulesDialog", "進行速度(&P)"));
  c.speedList = make.List("speedList", c.speedLabel, QString());
  c.timeLimitLabel = make.Label("timeLimitLabel", QCoreApplication::translate("RulesDialog", "時間制限(&T)"));
  c.timeLimitList = make.List("timeLimitList", c.timeLimitLabel,
                              QCoreApplication::translate("RulesDialog", "捨てるときの時間制限を有効/無効にします"));
  c.cardOpenCheck =
      make.Check("cardOpenCheck", QCoreApplication::translate("RulesDialog", "カードオープン(&Q)"), QString());
  c.soundCheck = make.Check("soundCheck", QCoreApplication::translate("RulesDialog", "サウンド"), QString());
}

void MakeDetection(QWidget& window, const Maker& make, RuleWindowControls& c) {
  c.detectOnOption = make.Option("detectOnOption", QCoreApplication::translate("RulesDialog", "する(&W)"),
                                 QCoreApplication::translate("RulesDialog", "上がりを自動判定します"));
  c.detectOffOption = make.Option(
      "detectOffOption", QCoreApplication::translate("RulesDialog", "しない(&X)"),
      QCoreApplication::translate("RulesDialog", "上がるときは、捨て札をダブルクリックしないと上がれません"));
  auto* detection = new QButtonGroup(&window);
  detection->addButton(c.detectOnOption);
  detection->addButton(c.detectOffOption);
  c.confirmCheck = make.Check(
      "confirmCheck", QCoreApplication::translate("RulesDialog", "確認(&B)"),
      QCoreApplication::translate("RulesDialog", "自動判定により上がれるとき、上がるかどうかの意志確認をします"));
  c.graceTimeLabel = make.Label("graceTimeLabel", QCoreApplication::translate("RulesDialog", "確認時間(&J)"));
  c.graceTime = make.Number("graceTime", c.graceTimeLabel, kJudgmentWaitTimeBox,
                            QCoreApplication::translate("RulesDialog", "上がるときの、ダブルクリック猶予時間の指定です"));
  c.graceTimeUnit = make.Label("graceTimeUnit", QString());
}

void MakeSystem(const Maker& make, RuleWindowControls& c) {
  c.otherTasksCheck =
      make.Check("otherTasksCheck", QCoreApplication::translate("RulesDialog", "タスク譲渡(&L)"), QString());
  c.horizontalLabel = make.Label("horizontalLabel", QCoreApplication::translate("RulesDialog", "水平位置(&H)"));
  c.horizontal = make.Number("horizontal", c.horizontalLabel, kHorizonCardPosBox, QString());
  c.verticalLabel = make.Label("verticalLabel", QCoreApplication::translate("RulesDialog", "垂直位置(&V)"));
  c.vertical = make.Number("vertical", c.verticalLabel, kVerticalCardPosBox, QString());
}

void FillLists(const RuleWindowControls& c) {
  for (QComboBox* cards : {c.skipCardList, c.drawCardList, c.reverseCardList, c.throwMoreCardList}) {
    Fill(cards, kCardChoices);
  }
  Fill(c.timeLimitList, kRestrictTimeChoices);
  Fill(c.finishList, kFinishMeansChoices);
  Fill(c.yakitoriList, kYakitoriChoices);
  Fill(c.speedList, kGameSpeedChoices);
}

void MakeButtons(const Maker& make, RuleWindowControls& c) {
  c.okButton = make.Button("okButton", QCoreApplication::translate("RulesDialog", "OK"), QString());
  c.okButton->setDefault(true);
  c.cancelButton = make.Button("cancelButton", QCoreApplication::translate("RulesDialog", "ｷｬﾝｾﾙ"), QString());
  c.initialStateButton =
      make.Button("initialStateButton", QCoreApplication::translate("RulesDialog", "初期状態に戻す(&R)"), QString());
  c.openButton = make.Button("openButton", QCoreApplication::translate("RulesDialog", "開く(&O)..."),
                             QCoreApplication::translate("RulesDialog", "ルール設定ファイルを開きます"));
  c.saveButton = make.Button("saveButton", QCoreApplication::translate("RulesDialog", "保存(&S)..."),
                             QCoreApplication::translate("RulesDialog", "現在の設定状態を保存できます"));
  // Every letter is taken in this window; L belongs otherwise to a check
  // box of the expander's part, hidden until it is opened.
  c.analyseButton = make.Button(
      "analyseButton", QCoreApplication::translate("RulesDialog", "ﾙｰﾙ分析(&L)..."),
      QCoreApplication::translate("RulesDialog", "画面のルールで多数の局を対戦させ、結果をグラフで示します"));
  c.moreButton = make.Button("moreButton", ExpandCaption(), QString());
  c.helpButton = make.Button("helpButton", QCoreApplication::translate("RulesDialog", "ﾍﾙﾌﾟ"),
                             QCoreApplication::translate("RulesDialog", "ヘルプの目次を開きます (F1)"));
}

void MakePanels(QWidget& window, const Maker& make, RuleWindowControls& c) {
  c.separatorLine = Named(new QFrame(&window), "separatorLine");
  c.separatorLine->setFrameShape(QFrame::HLine);
  c.separatorLine->setFrameShadow(QFrame::Sunken);
  c.tableSizePanel = make.Panel("tableSizePanel");
  c.ruleSetPanel = make.Panel("ruleSetPanel");
}

}  // namespace

QString ExpandCaption() { return QCoreApplication::translate("RulesDialog", "その他の設定(&S) >>"); }

QString CollapseCaption() { return QCoreApplication::translate("RulesDialog", "<< その他の設定(&S)"); }

std::array<RuleCheckControl, 10> RuleWindowControls::Checks() const {
  return {{
      {otherTasksCheck, &Settings::DoOtherTasks},
      {cardOpenCheck, &Settings::CardOpen},
      {discardDutyCheck, &Settings::MoreDropCardMode},
      {soundCheck, &Settings::SoundMode},
      {closingBonusCheck, &Settings::BonusSwitch},
      {extraNumberCheck, &Settings::ExtraCardEnable},
      {confirmCheck, &Settings::PirukConfirm},
      {pirukGaeshiCheck, &Settings::PirukGaeshi},
      {manyCardBonusCheck, &Settings::ManyCardBonus},
      {aceAsElevenCheck, &Settings::AceAliasJack},
  }};
}

std::array<std::pair<QComboBox*, int16_t Settings::*>, 7> RuleWindowControls::RuleLists() const {
  return {{
      {skipCardList, &Settings::SkipCard},
      {drawCardList, &Settings::PenaltyCard},
      {reverseCardList, &Settings::InverseCard},
      {throwMoreCardList, &Settings::MoreDropCard},
      {timeLimitList, &Settings::RestrictTime},
      {finishList, &Settings::FinishMeans},
      {yakitoriList, &Settings::YakitoriMode},
  }};
}

RuleWindowControls BuildRuleWindowControls(QWidget& window) {
  const Maker make(window);
  RuleWindowControls c;
  MakePrinciples(make, c);
  MakeSupplements(make, c);
  MakeEnvironment(make, c);
  MakeDetection(window, make, c);
  MakeSystem(make, c);
  FillLists(c);
  MakeButtons(make, c);
  MakePanels(window, make, c);
  return c;
}

}  // namespace winpiruk
