// The card table program: one process, one table, the user and three
// computer players.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/Startup.h"
#include "config/ProgramPaths.h"
#include "config/TemporaryFile.h"
#include "scoring/MemberFiles.h"
#include "state/Piruk930.h"
#include "table/Form1.h"
#include "ui/Messages.h"
#include "ui/SingleInstance.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("winpiruk"));

  winpiruk::SingleInstance instance(winpiruk::SingleInstance::NameForCurrentSession(),
                                   winpiruk::SingleInstance::NameForCurrentUser());
  if (!instance.BecomePrimary()) return 0;

  // Standard buttons read はい / いいえ / キャンセル.
  QTranslator qt_japanese;
  if (qt_japanese.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qt_japanese);
  }

  // The one shared state of the process.
  static winpiruk::Piruk930 state;
  const winpiruk::ProgramPaths paths =
      winpiruk::LocateProgramPaths(QApplication::applicationDirPath().toStdString());
  // Saves cut short by a crash leave their temporary files; while this copy
  // is the user's only one, none of them is a save in progress.
  if (instance.HoldsName()) {
    for (const std::string& file : {paths.SettingsFile(), paths.DataFile(winpiruk::kMemberNamesFile),
                                    paths.DataFile(winpiruk::kMemberDataFile)}) {
      winpiruk::RemoveLeftoverTemporaries(file);
    }
  }

  // The deals' random source and the time of day they are seeded from.
  winpiruk::StandardRandom random;
  const winpiruk::SystemClock clock;
  std::unique_ptr<winpiruk::Form1> table = winpiruk::RunStartup(state, paths, random, clock);
  if (!table) return 0;
  QObject::connect(&instance, &winpiruk::SingleInstance::RaiseRequested, table.get(), [&table] {
    table->showNormal();
    table->raise();
    table->activateWindow();
  });
  return QApplication::exec();
}
