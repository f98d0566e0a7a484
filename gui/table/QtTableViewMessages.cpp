#include <QMessageBox>

#include "gui/common/CardPictures.h"
#include "gui/common/Awaiting.h"
#include "gui/common/Messages.h"
#include "gui/common/SuspendableRun.h"
#include "gui/table/QtTableView.h"
#include "presentation/GameTexts.h"

// The table's message boxes: the questions and notices of the game, the
// errors that end it.
namespace winpiruk {
namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Critical: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void QtTableView::FatalMissingPicture(const QString& path, const QString& routine_number) {
  // The first missing picture ends the program; the drawing that follows
  // until then finds the others missing too and says nothing more.
  if (ending_) return;
  ending_ = true;
  ShowBox(QMessageBox::Critical, ProgramTitle(), MissingPictureText(path, routine_number),
          [this] { host_.EndAfterFatalError(); });
}

void QtTableView::ShowBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                          const std::function<void()>& then) {
  auto show = [this, icon, title, text, then] {
    QMessageBox box(icon, title, text, QMessageBox::Ok, &surface_.window);
    waits_.ForWindow(box, WindowShown::OverTheTable);
    if (then) then();
  };
  // Inside the engine's steps the step goes on once the box is closed; any
  // other caller goes on at once, the box waited for in a run of its own.
  if (SuspendableRun::Current() != nullptr) {
    show();
  } else {
    RunAwaiting(show);
  }
}

bool QtTableView::Ask(Question question) {
  const MessageText text = TextOf(question);
  QMessageBox box(QMessageBox::Question, Text(text.title), Text(text.text), QMessageBox::Yes | QMessageBox::No,
                  &surface_.window);
  box.setDefaultButton(question == Question::DiscardMatch ? QMessageBox::No : QMessageBox::Yes);
  // A button's result is its standard button.
  return waits_.ForWindow(box, WindowShown::OverTheTable) == QMessageBox::Yes;
}

void QtTableView::Tell(Notice notice) {
  const MessageText text = TextOf(notice);
  ShowBox(BoxIcon(text.icon), Text(text.title), Text(text.text));
}

void QtTableView::InternalError(int number) {
  StopMusic();
  ending_ = true;
  TellInternalError(number, [this] { host_.EndAfterFatalError(); });
}

void QtTableView::TellInternalError(int number, const std::function<void()>& then) {
  const MessageText text = InternalErrorText(number);
  ShowBox(BoxIcon(text.icon), Text(text.title), Text(text.text), then);
}

}  // namespace winpiruk
