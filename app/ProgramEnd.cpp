#include "app/ProgramEnd.h"

#include <QApplication>
#include <QThread>
#include <cstdio>
#include <cstdlib>

#include "gui/common/Messages.h"
#include "gui/common/Pacing.h"
#include "scoring/MemberFiles.h"

namespace winpiruk {
namespace {

void KeepRecords(QWidget* parent, const GameState& state, const ProgramPaths& paths) {
  if (!WriteMemberFiles(state, paths)) ShowWriteFailure(parent);
}

bool InMainLoop(const GameState& state) {
  return !state.table.EngineRunning && WaitDepth() == 0 && QThread::currentThread()->loopLevel() <= 1;
}

}  // namespace

ProgramEnding TableProgramEnding(TableWindow& window, const GameState& state, const ProgramPaths& paths) {
  ProgramEnding ending;
  ending.quit = [&window, &state, paths] {
    KeepRecords(&window, state, paths);
    window.AllowClose();
    if (InMainLoop(state)) {
      QApplication::exit(0);
      return;
    }
    std::fflush(nullptr);
    std::_Exit(0);
  };
  ending.fail = [&window, &state, paths] {
    KeepRecords(&window, state, paths);
    std::fflush(nullptr);
    std::_Exit(1);
  };
  return ending;
}

}  // namespace winpiruk
