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
ProgramEnding TableProgramEnding(TableWindow& window, const GameState& state, const ProgramPaths& paths,
                                 MatchKeeper& keeper) {
  ProgramEnding ending;
  ending.keep = [&window, &state, paths, &keeper] {
    // The place is a convenience: a file that cannot take it costs nothing else.
    window.KeepPlace();
    if (!keeper.KeepAtEnd()) ShowWriteFailure(&window);
    KeepRecords(&window, state, paths);
  };
  // A message that the records could not be written is read before the end.
  auto end_with = [&window](int status, std::function<void()> write) {
    RunAwaiting([&window, status, write] {
      write();
      window.AllowClose();
      QApplication::exit(status);
    });
  };
  ending.quit = [end_with, keep = ending.keep] { end_with(0, keep); };
  ending.fail = [end_with, &window, &state, paths] {
    end_with(1, [&window, &state, paths] { KeepRecords(&window, state, paths); });
  };
  return ending;
}

}  // namespace winpiruk
