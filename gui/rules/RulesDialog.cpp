#include "gui/rules/RulesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>

#include "config/NumberText.h"
#include "config/SettingsStore.h"
#include "gui/common/Awaiting.h"
#include "gui/common/Captions.h"
#include "gui/common/EnterKey.h"
#include "gui/common/HelpWindow.h"
#include "gui/common/QtSettingsHost.h"
#include "gui/rules/OpenRuleSetDialog.h"
#include "gui/rules/RuleAnalyser.h"
#include "gui/rules/SaveRuleSetDialog.h"

namespace winpiruk {
namespace {

// The list position that shows a value; nothing selected when it has no entry.
int Position(int value, int count) { return value >= 0 && value < count ? value : -1; }

int16_t Flag(bool on) { return on ? 1 : 0; }

QString Number(int value) { return QString::fromStdString(NumberText(value)); }

// The fields the window changes, from one state into another: the rules, the
// colours, member group and key guide the initial state resets, the flags it
// clears and the speed.
void CopyRuleFields(const GameState& from, GameState& to) {
  RestoreSavedRules(TakeSavedRules(from), to);
  to.settings.GameSpeed = from.settings.GameSpeed;
}

}  // namespace

RulesDialog::RulesDialog(GameState& state, const ProgramPaths& paths, RuleWindowHooks hooks, QWidget* parent)
    : CentredDialog(parent), state_(state), draft_(state), paths_(paths), hooks_(std::move(hooks)) {
  setObjectName(QStringLiteral("RulesDialog"));
  setWindowTitle(tr("ぴるく  －ﾙｰﾙ設定－"));
  setModal(true);
  controls_ = BuildRuleWindowControls(*this);
  ConnectControls();
  ConnectButtons();
  // The window takes the size of what it shows: the expander grows and
  // shrinks it.
  LayOutRuleWindow(*this, controls_)->setSizeConstraint(QLayout::SetFixedSize);

  RuleWindowExpanded = 0;
  controls_.moreButton->setText(AccessCaption(ExpandCaption()));
  controls_.lowerPart->setVisible(false);
  RefreshPanels();

  RepairOnOpening(draft_.settings);
  ShowRules(true);
}

RulesDialog::~RulesDialog() { runs_.StopAll(); }

void RulesDialog::ConnectControls() {
  const RuleWindowControls& c = controls_;
  for (const auto& [list, field] : c.RuleLists()) WatchKeys(*list);
  WatchKeys(*c.speedList);
  for (const RuleNumberControl& number : c.Numbers()) {
    WatchKeys(*number.text);
    WatchKeys(*number.bar);
    connect(number.bar, &QScrollBar::valueChanged, this, [this, number] { OnScrolled(number); });
    connect(number.text, &QLineEdit::textChanged, this, [this, number] { OnNumberTyped(number); });
  }
  for (const RuleCheckControl& check : c.Checks()) {
    connect(check.box, &QCheckBox::clicked, this,
            [this, field = check.field](bool on) { draft_.settings.*field = Flag(on); });
  }
  for (QComboBox* watched : {c.drawCardList, c.throwMoreCardList, c.finishList}) {
    connect(watched, &QComboBox::currentIndexChanged, this, [this] { ApplyEnablingRules(); });
  }
  for (QRadioButton* option : {c.detectOnOption, c.detectOffOption}) WatchKeys(*option);
  connect(c.detectOnOption, &QRadioButton::clicked, this, [this] { OnDetectionChosen(1); });
  connect(c.detectOffOption, &QRadioButton::clicked, this, [this] { OnDetectionChosen(0); });
}

void RulesDialog::ConnectButtons() {
  const RuleWindowControls& c = controls_;
  // What waits for another window or a message runs in a run of the window's own.
  connect(c.okButton, &QPushButton::clicked, this, [this] { runs_.Start([this] { OnOk(); }); });
  connect(c.cancelButton, &QPushButton::clicked, this, &RulesDialog::reject);
  connect(c.moreButton, &QPushButton::clicked, this, &RulesDialog::OnMore);
  connect(c.initialStateButton, &QPushButton::clicked, this, &RulesDialog::OnInitialState);
  connect(c.openButton, &QPushButton::clicked, this, [this] { runs_.Start([this] { OnOpenRuleSet(); }); });
  connect(c.saveButton, &QPushButton::clicked, this, [this] { runs_.Start([this] { OnSaveRuleSet(); }); });
  connect(c.analyseButton, &QPushButton::clicked, this, [this] { runs_.Start([this] { OnAnalyse(); }); });
  // The rule window's help is the page's section on the rules.
  auto show_help = [this] { ShowHelpSection(this, paths_.program_directory, kHelpRules); };
  connect(c.helpButton, &QPushButton::clicked, this, show_help);
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, show_help);
}

void RulesDialog::ShowRules(bool with_speed) {
  const Settings& s = draft_.settings;
  const RuleWindowControls& c = controls_;
  showing_ = true;
  for (const RuleCheckControl& check : c.Checks()) check.box->setChecked(s.*check.field != 0);
  for (const RuleNumberControl& number : c.Numbers()) {
    const int value = s.*(number.box->field);
    number.text->setText(Number(value));
    number.bar->setValue(ScrollPosition(*number.box, value));
  }
  for (const auto& [list, field] : c.RuleLists()) list->setCurrentIndex(Position(s.*field, list->count()));
  if (with_speed) c.speedList->setCurrentIndex(Position(s.GameSpeed, c.speedList->count()));
  showing_ = false;
  ApplyEnablingRules();
  ShowGraceSeconds();
}

QString GraceTimeUnitText(int tenths) {
  if (tenths < 0) return QCoreApplication::translate("RulesDialog", "×0.1秒");
  return QCoreApplication::translate("RulesDialog", "×0.1秒 (%1.%2秒)").arg(tenths / 10).arg(tenths % 10);
}

void RulesDialog::ShowGraceSeconds() {
  // What OK would store: a number out of range shows the time kept.
  controls_.graceTimeUnit->setText(GraceTimeUnitText(RulesOnScreen().JudgmentWaitTime));
}

void RulesDialog::ApplyEnablingRules() {
  const RuleWindowControls& c = controls_;
  const RuleControlStates on = RuleControls(c.drawCardList->currentIndex(), c.throwMoreCardList->currentIndex(),
                                            c.finishList->currentIndex(), draft_.settings);
  for (QWidget* w : std::initializer_list<QWidget*>{c.drawCountLabel, c.drawCount.text, c.drawCount.bar}) {
    w->setEnabled(on.draw_count_enabled);
  }
  c.discardDutyCheck->setEnabled(on.discard_duty_enabled);
  for (QWidget* w : std::initializer_list<QWidget*>{c.closingBonusCheck, c.extraNumberCheck, c.pirukGaeshiCheck,
                                                    c.yakitoriList, c.yakitoriLabel, c.manyCardBonusCheck,
                                                    c.aceAsElevenCheck}) {
    w->setEnabled(on.supplements_enabled);
  }
  c.detectOnOption->setEnabled(on.detection_enabled);
  c.detectOffOption->setEnabled(on.detection_enabled);
  c.detectOnOption->setChecked(on.auto_detection_on);
  c.detectOffOption->setChecked(!on.auto_detection_on);
  // A disabled label is drawn grey, an enabled one black.
  for (QWidget* w : std::initializer_list<QWidget*>{c.graceTime.text, c.graceTime.bar, c.graceTimeLabel, c.graceTimeUnit}) {
    w->setEnabled(on.wait_time_enabled);
  }
  c.confirmCheck->setEnabled(on.confirm_enabled);
  c.cardOpenCheck->setVisible(on.card_open_visible);
  c.principlesFrame->setVisible(on.card_open_visible);
}

void RulesDialog::RefreshPanels() {
  QSize table;
  if (hooks_.table_size) {
    table = hooks_.table_size();
  } else if (parentWidget() != nullptr) {
    table = parentWidget()->window()->size();
  }
  controls_.tableSizePanel->setText(tr("  ｹﾞｰﾑ盤面ｻｲｽﾞ = (%1 x%2 )").arg(Number(table.width()), Number(table.height())));
  controls_.ruleSetPanel->setText(draft_.SettingsBaseName.empty()
                                      ? QString()
                                      : tr(" 設定ﾍﾞｰｽ : %1").arg(QString::fromStdString(draft_.SettingsBaseName)));
}

ListChoices RulesDialog::ListsShown() const {
  const RuleWindowControls& c = controls_;
  ListChoices lists;
  lists.SkipCard = c.skipCardList->currentIndex();
  lists.PenaltyCard = c.drawCardList->currentIndex();
  lists.InverseCard = c.reverseCardList->currentIndex();
  lists.MoreDropCard = c.throwMoreCardList->currentIndex();
  lists.RestrictTime = c.timeLimitList->currentIndex();
  lists.FinishMeans = c.finishList->currentIndex();
  lists.YakitoriMode = c.yakitoriList->currentIndex();
  lists.GameSpeed = c.speedList->currentIndex();
  return lists;
}

void RulesDialog::ConfirmShownRules(bool with_speed) {
  ConfirmRules(ListsShown(), with_speed, TakeSavedRules(state_), draft_.settings);
}

Settings RulesDialog::RulesOnScreen() const {
  Settings rules = draft_.settings;
  ConfirmRules(ListsShown(), false, TakeSavedRules(state_), rules);
  return rules;
}

void RulesDialog::HandBackRules() { CopyRuleFields(draft_, state_); }

// A rule set opened from the window holds at once, whatever button closes
// the window: the table follows it through the hook.
void RulesDialog::HandBackLoadedRuleSet() {
  state_.settings = draft_.settings;
  state_.window.CardBackShown = draft_.window.CardBackShown;
  state_.window.BgmTrack = draft_.window.BgmTrack;
  state_.SettingsBaseName = draft_.SettingsBaseName;
  state_.RuleSetDirectory = draft_.RuleSetDirectory;
  HandBackRules();
  if (hooks_.rule_set_loaded) hooks_.rule_set_loaded();
}

void RulesDialog::OnScrolled(const RuleNumberControl& number) {
  if (showing_) return;
  const int16_t value = ScrollValue(*number.box, number.bar->value());
  draft_.settings.*(number.box->field) = value;
  number.text->setText(Number(value));
  ShowGraceSeconds();
}

void RulesDialog::OnNumberTyped(const RuleNumberControl& number) {
  if (showing_) return;
  draft_.settings.*(number.box->field) = TypedNumber(number.text->text().toStdString());
  ShowGraceSeconds();
}

void RulesDialog::OnDetectionChosen(int16_t automatic) {
  draft_.settings.AutoJudgment = automatic;
  ApplyEnablingRules();
}

void RulesDialog::OnOk() {
  ConfirmShownRules(true);
  HandBackRules();
  QtSettingsHost host(this);
  WriteSettings(state_, paths_, host);
  accepted_ = true;
  accept();
}

void RulesDialog::OnMore() {
  const bool expand = RuleWindowExpanded == 0;
  RuleWindowExpanded = expand ? 1 : 0;
  controls_.lowerPart->setVisible(expand);
  controls_.moreButton->setText(AccessCaption(expand ? CollapseCaption() : ExpandCaption()));
}

void RulesDialog::OnInitialState() {
  ApplyInitialState(draft_);
  ShowRules(false);
}

void RulesDialog::OnOpenRuleSet() {
  if (!OpenRuleSetFile(this, draft_, [this] { HandBackLoadedRuleSet(); })) return;
  rule_set_loaded_ = true;
  // The controls follow the loaded rules, so that OK stores what the file held.
  RepairOnOpening(draft_.settings);
  ShowRules(false);
  RefreshPanels();
}

void RulesDialog::OnSaveRuleSet() {
  ConfirmShownRules(false);
  ShowRules(false);
  // The rules are known by the file's name from now on, even if the window
  // is then cancelled.
  if (SaveRuleSetFile(this, draft_)) state_.SettingsBaseName = draft_.SettingsBaseName;
  RefreshPanels();
}

void RulesDialog::OnAnalyse() { OpenRuleAnalyser(this, state_, RulesOnScreen(), state_.settings); }

RuleWindowResult RulesDialog::Result() const {
  RuleWindowResult result;
  result.accepted = accepted_;
  result.card_kind_changed = state_.settings.CardKind != state_.window.CardBackShown;
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
  OnEnterKey(field, [this] { controls_.okButton->setFocus(Qt::TabFocusReason); });
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
  AwaitDialog(window);
  return window.Result();
}

}  // namespace winpiruk
