#include "gui/members/GroupDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

#include "config/SettingsStore.h"
#include "members/GroupNames.h"
#include "scoring/MemberFiles.h"
#include "state/RuleLimits.h"
#include "gui/common/Awaiting.h"
#include "gui/common/SpokenNames.h"
#include "gui/common/Captions.h"
#include "gui/common/EnterKey.h"
#include "gui/common/HelpWindow.h"
#include "gui/common/Messages.h"
#include "gui/common/OkButtonBox.h"
#include "gui/common/QtSettingsHost.h"
#include "gui/common/WindowPlacement.h"

namespace winpiruk {
namespace {

// Room on a plate for this many full-width characters; a longer name is
// cut short with "…" and shown whole in the tooltip.
constexpr int kPlateCharacters = 16;

// The name plates; a plate's "tone" is the palette colour of its name:
// 0 black, 3 dark cyan for the user, 4 dark red for a member in debt.
const QString kPlateStyle = QStringLiteral(
    "QLabel[plate=\"true\"] { background: white; border: 1px solid #b9c3cf; border-radius: 4px; padding: 3px 8px; }"
    "QLabel[plate=\"true\"]:hover { background: #eef5ff; border-color: #4a86c8; }"
    "QLabel[plate=\"true\"]:focus { border: 2px solid #4a86c8; padding: 2px 7px; }"
    "QLabel[plate=\"true\"][edited=\"true\"] { background: #fff6cc; border: 2px solid #d9a400; padding: 2px 7px; }"
    "QLabel[plate=\"true\"][tone=\"0\"] { color: rgb(0, 0, 0); }"
    "QLabel[plate=\"true\"][tone=\"3\"] { color: rgb(0, 128, 128); }"
    "QLabel[plate=\"true\"][tone=\"4\"] { color: rgb(128, 0, 0); }");

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

QFrame* EditorLine(QWidget* parent, const char* name) {
  auto* line = new QFrame(parent);
  line->setObjectName(QString::fromLatin1(name));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

// Hidden controls keep their room, so that the window does not jump
// between browsing and editing.
void KeepRoomWhenHidden(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

}  // namespace

GroupDialog::GroupDialog(GameState& state, const ProgramPaths& paths, QWidget* parent)
    : QDialog(parent), state_(state), paths_(paths), names_at_open_(state.members.MemberName) {
  setObjectName(QStringLiteral("GroupDialog"));
  setWindowTitle(tr("ぴるく  －ｸﾞﾙｰﾌﾟ選択/ﾒﾝﾊﾞｰ名変更－"));
  setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
  BuildControls();

  state_.seating.CurrentGroup = static_cast<int16_t>(InRangeOr(state_.seating.CurrentGroup, 1, kGroups, 1));
  ShowGroup();
  ShowEditor(false);
  ShowNotice({});
  okButton->setFocus();

  adjustSize();
  setFixedSize(sizeHint());
  NameControlsForReaders(*this);
  CentreOnScreen(*this);
}

GroupDialog::~GroupDialog() { runs_.StopAll(); }

void GroupDialog::BuildControls() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(18, 14, 18, 14);
  outer->setSpacing(12);
  outer->addWidget(BuildGroupButtons());
  outer->addWidget(BuildNamePlates());
  outer->addWidget(BuildEditor());
  // Made last so that Tab reaches OK after the names and the editor.
  outer->addWidget(BuildButtonBox());
}

QWidget* GroupDialog::BuildGroupButtons() {
  groupBox = new QGroupBox(tr("グループ"), this);
  groupBox->setObjectName(QStringLiteral("groupBox"));
  auto* group_row = new QHBoxLayout(groupBox);
  group_row->setContentsMargins(16, 6, 16, 8);
  auto* exclusive = new QButtonGroup(this);
  for (int g = 1; g <= kGroups; ++g) {
    groupButtons[g] = new QRadioButton(QString::number(g), groupBox);
    groupButtons[g]->setObjectName(QStringLiteral("groupButton%1").arg(g));
    groupButtons[g]->setToolTip(tr("グループ %1 のメンバーと対戦します").arg(g));
    exclusive->addButton(groupButtons[g], g);
    if (g > 1) group_row->addStretch(1);
    group_row->addWidget(groupButtons[g]);
  }
  // Arrow keys move the choice as well as clicks do.
  connect(exclusive, &QButtonGroup::idToggled, this, [this](int group, bool checked) {
    if (checked) OnGroupChosen(group);
  });
  return groupBox;
}

QWidget* GroupDialog::BuildButtonBox() {
  QDialogButtonBox* box = OkButtonBox(this, okButton);
  // OK waits in a run of the window's own for a failed write to be told.
  connect(box, &QDialogButtonBox::accepted, this, [this] { runs_.Start([this] { OnOk(); }); });
  return box;
}

QWidget* GroupDialog::BuildNamePlates() {
  auto* plates = new QFrame(this);
  plates->setObjectName(QStringLiteral("Members"));
  plates->setStyleSheet(kPlateStyle);
  auto* grid = new QGridLayout(plates);
  grid->setContentsMargins(4, 4, 4, 4);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(8);
  grid->setColumnMinimumWidth(2, 24);

  QFont bold = font();
  bold.setBold(true);
  const int plate_width = QFontMetrics(bold).horizontalAdvance(QString(kPlateCharacters, QChar(0x3042))) + 20;
  for (int m = 1; m <= kMembersPerGroup; ++m) {
    // Members 1..5 down the left, 6..10 down the right.
    const int row = (m - 1) % 5;
    const int column = m <= 5 ? 0 : 3;
    auto* number = new QLabel(QString::number(m), plates);
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    number->setStyleSheet(QStringLiteral("QLabel { color: #7a8591; }"));
    number->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("10")));
    grid->addWidget(number, row, column);

    namePlates[m] = new QLabel(plates);
    namePlates[m]->setObjectName(QStringLiteral("namePlate%1").arg(m));
    namePlates[m]->setProperty("plate", true);
    namePlates[m]->setTextFormat(Qt::PlainText);
    namePlates[m]->setFixedWidth(plate_width);
    namePlates[m]->setCursor(Qt::PointingHandCursor);
    namePlates[m]->setAttribute(Qt::WA_Hover);
    namePlates[m]->setFocusPolicy(Qt::StrongFocus);
    namePlates[m]->installEventFilter(this);
    grid->addWidget(namePlates[m], row, column + 1);
  }
  return plates;
}

// The name being edited with its store and cancel buttons.
QWidget* GroupDialog::BuildEditorRow() {
  editor_row_ = new QWidget(editor_place_);
  auto* row = new QHBoxLayout(editor_row_);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(8);
  editCaption = new QLabel(editor_row_);
  editCaption->setObjectName(QStringLiteral("editCaption"));
  nameEdit = new QLineEdit(editor_row_);
  nameEdit->setObjectName(QStringLiteral("nameEdit"));
  // Enter in the editor stores the name and moves on to OK, without
  // pressing OK as well.
  OnEnterKey(*nameEdit, [this] { OnStore(); });
  connect(nameEdit, &QLineEdit::textChanged, this, &GroupDialog::OnNameEdited);
  storeButton = new QPushButton(AccessCaption(tr("更新(&A)")), editor_row_);
  storeButton->setObjectName(QStringLiteral("storeButton"));
  cancelEditButton = new QPushButton(tr("ｷｬﾝｾﾙ"), editor_row_);
  cancelEditButton->setObjectName(QStringLiteral("cancelEditButton"));
  for (QPushButton* button : {storeButton, cancelEditButton}) {
    button->setAutoDefault(false);
    button->setMinimumWidth(90);
  }
  connect(storeButton, &QPushButton::clicked, this, &GroupDialog::OnStore);
  connect(cancelEditButton, &QPushButton::clicked, this, &GroupDialog::OnCancelEdit);
  row->addWidget(editCaption);
  row->addWidget(nameEdit, 1);
  row->addSpacing(4);
  row->addWidget(storeButton);
  row->addWidget(cancelEditButton);
  return editor_row_;
}

QWidget* GroupDialog::BuildEditor() {
  auto* area = new QWidget(this);
  auto* column = new QVBoxLayout(area);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(8);

  // The hint and the editor take turns in one place.
  editor_place_ = new QStackedWidget(area);
  hintLabel = new QLabel(tr("ﾒﾝﾊﾞｰ名をｸﾘｯｸすると、名前の変更ができます。"), editor_place_);
  hintLabel->setObjectName(QStringLiteral("hintLabel"));
  hintLabel->setAlignment(Qt::AlignCenter);
  hintLabel->setStyleSheet(QStringLiteral("QLabel { color: #3d4a57; }"));
  editor_place_->addWidget(hintLabel);

  editor_place_->addWidget(BuildEditorRow());

  editorTopLine = EditorLine(area, "editorTopLine");
  editorBottomLine = EditorLine(area, "editorBottomLine");
  KeepRoomWhenHidden(editorTopLine);
  KeepRoomWhenHidden(editorBottomLine);

  noticeLabel = new QLabel(area);
  noticeLabel->setObjectName(QStringLiteral("noticeLabel"));
  noticeLabel->setTextFormat(Qt::PlainText);
  noticeLabel->setWordWrap(true);
  noticeLabel->setAlignment(Qt::AlignCenter);
  noticeLabel->setStyleSheet(QStringLiteral("QLabel { color: #9a5b00; }"));
  noticeLabel->setMinimumHeight(QFontMetrics(font()).lineSpacing() * 2 + 4);

  column->addWidget(editorTopLine);
  column->addWidget(editor_place_);
  column->addWidget(editorBottomLine);
  column->addWidget(noticeLabel);
  return area;
}

void GroupDialog::ShowGroup() {
  {
    const QSignalBlocker quiet(groupButtons[state_.seating.CurrentGroup]->group());
    groupButtons[state_.seating.CurrentGroup]->setChecked(true);
  }
  ChooseGroup(state_, state_.seating.CurrentGroup);
  for (int m = 1; m <= kMembersPerGroup; ++m) {
    QLabel* label = namePlates[m];
    const NameStyle style = MemberNameStyle(state_, m);
    QFont font = label->font();
    font.setBold(style.bold);
    label->setFont(font);
    // The plates' style sheet draws the tone in its palette colour.
    label->setProperty("tone", static_cast<int>(style.colour));

    const QString name = FromUtf8(state_.seating.GroupMemberName[m]);
    const QString shown = QFontMetrics(font).elidedText(name, Qt::ElideRight, label->width() - 18);
    label->setText(shown);
    QString tip = shown != name ? name + QStringLiteral("\n") : QString();
    tip += tr("持ち点 %1点").arg(state_.members.MemberPoints[state_.seating.CurrentGroup][m]);
    tip += QStringLiteral("\n") + tr("クリックすると名前を変更できます");
    label->setToolTip(tip);
    label->setProperty("edited", editing_ && m == edited_member_);
    label->style()->unpolish(label);
    label->style()->polish(label);
  }
}

void GroupDialog::ShowEditor(bool shown) {
  editing_ = shown;
  editor_place_->setCurrentWidget(shown ? editor_row_ : static_cast<QWidget*>(hintLabel));
  editorTopLine->setVisible(shown);
  editorBottomLine->setVisible(shown);
}

void GroupDialog::ShowNotice(const std::string& text) {
  noticeLabel->setText(text.empty() ? QString() : tr("※ %1").arg(FromUtf8(text)));
}

void GroupDialog::EditMember(int member) {
  if (member < 1 || member > kMembersPerGroup) return;
  edited_member_ = member;
  ShowEditor(true);
  editCaption->setText(tr("メンバー %1 :").arg(member));
  NameAfterLabel(*nameEdit, *editCaption);
  nameEdit->setText(FromUtf8(state_.members.MemberName[state_.seating.CurrentGroup][member]));
  OnNameEdited(nameEdit->text());
  ShowGroup();
  nameEdit->setFocus();
  nameEdit->selectAll();
}

void GroupDialog::StoreEdit() {
  const CleanedName stored =
      StoreMemberName(state_, state_.seating.CurrentGroup, edited_member_, nameEdit->text().toStdString());
  nameEdit->clear();
  ShowEditor(false);
  ShowGroup();
  ShowNotice(CleaningNotice(stored, CleaningTense::Did));
  okButton->setFocus();
}

void GroupDialog::OnStore() {
  if (!editing_ || edited_member_ == 0) return;
  StoreEdit();
}

void GroupDialog::OnCancelEdit() {
  nameEdit->clear();
  ShowEditor(false);
  ShowNotice({});
  ShowGroup();
  okButton->setFocus();
}

void GroupDialog::OnNameEdited(const QString& text) {
  if (!editing_) return;
  ShowNotice(CleaningNotice(CleanMemberName(text.toStdString()), CleaningTense::Will));
}

void GroupDialog::OnGroupChosen(int group) {
  if (group == state_.seating.CurrentGroup) return;
  // The name being edited belongs to the group on screen; it is not carried
  // over to the member of the same number in the next group.
  if (editing_) OnCancelEdit();
  ShowNotice({});
  state_.seating.CurrentGroup = static_cast<int16_t>(group);
  ShowGroup();
}

void GroupDialog::OnOk() {
  if (editing_ && !nameEdit->text().isEmpty()) StoreEdit();
  ShowGroup();
  // Kept first, as a close by the frame keeps it, so that a file that cannot
  // be written loses nothing for this run; what is written is then let go.
  KeepGroupChoice(state_, names_at_open_);
  const bool names_written = WriteMemberFiles(state_, paths_);
  if (!names_written) winpiruk::ShowWriteFailure(this);
  state_.settings.MemberGroup = state_.seating.CurrentGroup;
  QtSettingsHost host(this);
  const bool group_written = WriteSettings(state_, paths_, host);
  ForgetKeptGroupChoice(state_, names_written, group_written);
  accept();
}

void GroupDialog::done(int result) {
  // The frame and Esc: nothing is written, and the next game still plays
  // the group and the names chosen here, though it reads the files again.
  if (result != QDialog::Accepted) KeepGroupChoice(state_, names_at_open_);
  QDialog::done(result);
}

bool GroupDialog::eventFilter(QObject* watched, QEvent* event) {
  // A name is edited by a click, or from the keyboard by Enter, Space or F2
  // on the name that has the focus.
  const bool clicked =
      event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
  bool pressed = false;
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    pressed = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space || key == Qt::Key_F2;
  }
  if (clicked || pressed) {
    for (int m = 1; m <= kMembersPerGroup; ++m) {
      if (watched == namePlates[m]) {
        EditMember(m);
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void GroupDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && editing_) {
    // Esc is the edit's "ｷｬﾝｾﾙ"; with no edit open it closes the window as
    // its frame does.
    OnCancelEdit();
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_F1) {
    ShowHelpSection(this, paths_.program_directory, kHelpMembers);
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool OpenGroupWindow(QWidget* parent, GameState& state, const ProgramPaths& paths) {
  GroupDialog window(state, paths, parent);
  return AwaitDialog(window) == QDialog::Accepted;
}

}  // namespace winpiruk
