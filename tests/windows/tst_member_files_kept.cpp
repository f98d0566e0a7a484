// A damaged member file at start-up: moved aside byte for byte, the user
// told once with its name, and the member window that reads the files
// again says nothing more.
#include <QListWidget>
#include <QtTest>
#include <fstream>
#include <memory>

#include "WindowSuites.h"
#include "Controls.h"
#include "DialogAnswers.h"
#include "RunToEnd.h"
#include "app/PlayingTable.h"
#include "app/Startup.h"
#include "config/SafeFile.h"
#include "config/SettingsStore.h"
#include "gui/members/SeatingDialog.h"
#include "scoring/MemberFiles.h"
#include "support/ScriptedSettingsHost.h"
#include "support/TempDir.h"
#include "gui/table/TableWindow.h"

using namespace winpiruk;

class MemberFilesKeptTest : public QObject {
  Q_OBJECT

 private slots:
  void aDamagedNamesFileIsKeptAsideAndNamedOnce() {
    test::TempDir root;
    const ProgramPaths paths{root.File("share"), root.File("config"), root.File("data")};
    EnsureDirectory(paths.program_directory);
    std::ofstream(paths.program_directory + "/DiaA.bmp") << "BM";
    GameState written;
    written.settings.DataFileDirectory = paths.program_directory;
    test::ScriptedHost host;
    QVERIFY(WriteSettings(written, paths, host));
    ReadMemberFiles(written, paths);
    written.members.MemberPoints[1][2] = 4321;
    QVERIFY(WriteMemberFiles(written, paths));
    // One changed byte at the start of the names file.
    const std::string names_file = paths.DataFile(kMemberNamesFile);
    std::string damaged = ReadWholeFile(names_file).value();
    damaged[0] = '[';
    QVERIFY(WriteFileAtomically(names_file, damaged));

    GameState state;
    StandardRandom random;
    SystemClock clock;
    std::unique_ptr<PlayingTable> table;
    {
      test::ModalAnswer answer(QMessageBox::Ok);
      QVERIFY(test::RunToEnd([&] { table = RunStartup(state, paths, random, clock); }));
      QVERIFY(table != nullptr);
      QCOMPARE(answer.count, 1);
      QVERIFY2(answer.text.contains(QString::fromStdString(names_file) + QStringLiteral(".damaged-")),
               qPrintable(answer.text));
      QCOMPARE(answer.icon, QMessageBox::Warning);
    }
    // The names are the defaults; the figures, from their own file, are kept.
    QCOMPARE(state.members.MemberName[1][2], std::string("No.11"));
    QCOMPARE(state.members.MemberPoints[1][2], int16_t{4321});
    const QStringList kept = QDir(QString::fromStdString(paths.data_directory))
                                 .entryList({QStringLiteral("WPirukMn.dat.damaged-*")}, QDir::Files);
    QCOMPARE(kept.size(), 1);
    QCOMPARE(ReadWholeFile(paths.data_directory + "/" + kept[0].toStdString()), damaged);

    // The member window reads the files again and has nothing to tell.
    test::ModalAnswer answer(QMessageBox::Ok);
    SeatingDialog members(state, paths, random, clock, &table->window());
    bool opened = false;
    QVERIFY(test::RunToEnd([&] { opened = members.Open(false); }));
    QVERIFY(opened);
    QCOMPARE(answer.count, 0);
    QVERIFY(test::Control<QListWidget>(members, QStringLiteral("memberList"))->count() > 0);
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<MemberFilesKeptTest>();
#include "tst_member_files_kept.moc"
