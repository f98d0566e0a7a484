#include "app/ProgramEnd.h"

#include <QApplication>

#include "gui/common/Awaiting.h"
#include "gui/common/Messages.h"
#include "scoring/MemberFiles.h"

namespace winpiruk {
namespace {

void KeepRecords(QWidget* parent, const GameState& state, const ProgramPaths& paths) {
  if (!WriteMemberFiles(state, paths)) ShowWriteFailure(parent);
}

}  // namespace

// Every ending goes through the event loop: once it is back, main unwinds
// whatever waits in the middle of a step and takes the table down in order.
ProgramEnding TableProgramEnding(TableWindow& window, const GameState& state, const ProgramPaths& paths) {
  ProgramEnding ending;
  // A message that the records could not be written is read before the end.
  auto end_with = [&window, &state, paths](int status) {
    RunAwaiting([&window, &state, paths, status] {
      KeepRecords(&window, state, paths);
      window.AllowClose();
      QApplication::exit(status);
    });
  };
  ending.quit = [end_with] { end_with(0); };
  ending.fail = [end_with] { end_with(1); };
  return ending;
}

}  // namespace winpiruk
