// The card table program: one process, one table, the user and three
// computer players.
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

#include "artwork/AppIcon.h"
#include "app/FontWarmUp.h"
#include "app/PlayingTable.h"
#include "app/ProgramFiles.h"
#include "app/Startup.h"
#include "gui/common/Awaiting.h"
#include "gui/common/Language.h"
#include "gui/common/SuspendableRun.h"
#include "config/ProgramPaths.h"
#include "config/TemporaryFile.h"
#include "scoring/MemberFiles.h"
#include "state/GameState.h"
#include "gui/table/TableWindow.h"
#include "gui/common/Messages.h"
#include "app/SingleInstance.h"
#include "gui/table/TableOptions.h"

namespace {

// `--version` and `--check-files` answer on the terminal without a window;
// anything else starts the table.
std::optional<int> AnswerOnTerminal(int argc, char* argv[]) {
  if (argc != 2) return std::nullopt;
  if (std::strcmp(argv[1], "--version") == 0) {
    std::printf("winpiruk %s\n", winpiruk::kProgramVersion);
    return 0;
  }
  if (std::strcmp(argv[1], "--check-files") != 0) return std::nullopt;
  std::error_code error;
  const auto executable = std::filesystem::canonical("/proc/self/exe", error);
  const winpiruk::ProgramPaths paths = winpiruk::LocateProgramPaths(executable.parent_path().string());
  const std::vector<std::string> missing = winpiruk::MissingProgramFiles(paths);
  for (const std::string& file : missing) std::printf("missing: %s\n", file.c_str());
  if (!missing.empty()) return 1;
  std::printf("all %zu files found in %s\n", winpiruk::ProgramFiles(paths).size(), paths.program_directory.c_str());
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const std::optional<int> answered = AnswerOnTerminal(argc, argv)) return *answered;
  const std::jthread font_config = winpiruk::WarmUpFontConfig();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("winpiruk"));
  // The launcher entry's name: a Wayland desktop matches the window to it.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.winpiruk.Piruk"));
  QApplication::setWindowIcon(winpiruk::artwork::AppIcon());

  winpiruk::SingleInstance instance(winpiruk::SingleInstance::NameForCurrentSession(),
                                   winpiruk::SingleInstance::NameForCurrentUser());
  if (!instance.BecomePrimary()) return 0;

  // The one shared state of the process.
  static winpiruk::GameState state;
  const winpiruk::ProgramPaths paths =
      winpiruk::LocateProgramPaths(QApplication::applicationDirPath().toStdString());
  const QString options_file = winpiruk::TableOptionsFile(QString::fromStdString(paths.config_directory));
  winpiruk::gui::InstallLanguage(winpiruk::gui::ChosenLanguage(options_file));
  // Saves cut short by a crash leave their temporary files; while this copy
  // is the user's only one, none of them is a save in progress.
  if (instance.HoldsName()) {
    for (const std::string& file : {paths.SettingsFile(), paths.KeptMatchFile(),
                                    paths.DataFile(winpiruk::kMemberNamesFile),
                                    paths.DataFile(winpiruk::kMemberDataFile)}) {
      winpiruk::RemoveLeftoverTemporaries(file);
    }
    winpiruk::RemoveTableOptionsLeftovers(options_file);
  }

  // The deals' random source and the time of day they are seeded from.
  winpiruk::StandardRandom random;
  const winpiruk::SystemClock clock;
  // The start-up runs inside the one event loop: it waits there for its
  // banner to be painted and for the answers to its questions.
  std::unique_ptr<winpiruk::PlayingTable> table;
  winpiruk::RunAwaiting([&] {
    table = winpiruk::RunStartup(state, paths, random, clock);
    if (!table) {
      // No card folder given: the program ends once the loop runs, which
      // may not have started yet.
      QMetaObject::invokeMethod(qApp, [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
      return;
    }
    winpiruk::TableWindow& window = table->window();
    QObject::connect(&instance, &winpiruk::SingleInstance::RaiseRequested, &window, [&window] {
      window.showNormal();
      window.raise();
      window.activateWindow();
    });
  });
  const int status = QApplication::exec();
  // Whatever still waits is unwound while the table it refers to stands.
  winpiruk::SuspendableRun::StopAll();
  return status;
}
