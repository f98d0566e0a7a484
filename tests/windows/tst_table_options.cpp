// The table's own options file beside the settings file: defaults, broken
// values, a round trip, and a folder that cannot be written.
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QLockFile>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "WindowSuites.h"
#include "gui/table/TableOptions.h"

using namespace winpiruk;

namespace {

void WriteText(const QString& path, const QByteArray& text) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(text);
}

}  // namespace

class TableOptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void readsWhatItCanAndDefaultsTheRest_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("grow");
    QTest::addColumn<bool>("mark");
    QTest::newRow("empty file") << QByteArray() << true << true;
    QTest::newRow("both off") << QByteArray("[Table]\nGrowWithWindow=false\nMarkPlayableCards=false\n") << false << false;
    QTest::newRow("nonsense values") << QByteArray("[Table]\nGrowWithWindow=maybe\nMarkPlayableCards=0\n") << true << true;
    QTest::newRow("not an ini file") << QByteArray("\x01\x02garbage\xff\xfe") << true << true;
    QTest::newRow("upper case") << QByteArray("[Table]\nGrowWithWindow=FALSE\n") << false << true;
  }
  void readsWhatItCanAndDefaultsTheRest() {
    QFETCH(QByteArray, text);
    QFETCH(bool, grow);
    QFETCH(bool, mark);
    QTemporaryDir dir;
    const QString path = TableOptionsFile(dir.path());
    WriteText(path, text);
    const TableOptions options = LoadTableOptions(path);
    QCOMPARE(options.grow_with_window, grow);
    QCOMPARE(options.mark_playable_cards, mark);
  }

  // Volumes are whole percents; anything else is full volume, anything
  // beyond the ends the nearer end. The deck is a flag like the others.
  void readsVolumesAndTheDeck_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("effects");
    QTest::addColumn<int>("music");
    QTest::addColumn<bool>("four_colours");
    QTest::newRow("empty file") << QByteArray() << 100 << 100 << false;
    QTest::newRow("as written") << QByteArray("[Sound]\nEffectsVolume=35\nMusicVolume=0\n[Cards]\nFourColourDeck=true\n")
                                << 35 << 0 << true;
    QTest::newRow("beyond the ends") << QByteArray("[Sound]\nEffectsVolume=250\nMusicVolume=-4\n") << 100 << 0 << false;
    QTest::newRow("not whole numbers") << QByteArray("[Sound]\nEffectsVolume=loud\nMusicVolume=12.5\n[Cards]\nFourColourDeck=1\n")
                                       << 100 << 100 << false;
  }
  void readsVolumesAndTheDeck() {
    QFETCH(QByteArray, text);
    QFETCH(int, effects);
    QFETCH(int, music);
    QFETCH(bool, four_colours);
    QTemporaryDir dir;
    const QString path = TableOptionsFile(dir.path());
    WriteText(path, text);
    const TableOptions options = LoadTableOptions(path);
    QCOMPARE(options.volumes, (SoundVolumes{effects, music}));
    QCOMPARE(options.four_colour_deck, four_colours);
  }

  void aMissingFileGivesTheDefaults() {
    QTemporaryDir dir;
    QCOMPARE(LoadTableOptions(TableOptionsFile(dir.path())), TableOptions{});
  }

  void whatIsSavedIsReadBack() {
    QTemporaryDir dir;
    const QString path = TableOptionsFile(dir.path());
    const TableOptions changed{false, false, QRect(-20, 35, 900, 640), SoundVolumes{0, 55}, true};
    QVERIFY(SaveTableOptions(path, changed));
    QCOMPARE(LoadTableOptions(path), changed);
    QVERIFY(SaveTableOptions(path, TableOptions{}));
    QCOMPARE(LoadTableOptions(path), TableOptions{});
  }

  void aFileThatCouldNotBeReadIsStillWrittenAndNotReportedAsFailed_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("garbage") << QByteArray("\x01\x02garbage\xff\xfe[[[\n=\x00\n");
    QTest::newRow("UTF-16") << QByteArray("\xff\xfe[\0T\0a\0b\0l\0e\0]\0\n\0", 18);
  }
  void aFileThatCouldNotBeReadIsStillWrittenAndNotReportedAsFailed() {
    QFETCH(QByteArray, text);
    QTemporaryDir dir;
    const QString path = TableOptionsFile(dir.path());
    WriteText(path, text);
    const TableOptions changed{false, false, std::nullopt, SoundVolumes{40, 100}, false};
    QVERIFY(SaveTableOptions(path, changed));
    QCOMPARE(LoadTableOptions(path), changed);
  }

  void leftoversOfASaveCutShortAreCleared() {
    QTemporaryDir dir;
    const QString path = TableOptionsFile(dir.path());
    WriteText(path, "[Table]\nGrowWithWindow=false\n");
    WriteText(path + QStringLiteral(".aB3xY9"), "[Table]\nGrowWith");
    // A lock whose process is gone, as a kill during a save leaves it.
    const pid_t saver = ::fork();
    if (saver == 0) {
      QLockFile lock(path + QStringLiteral(".lock"));
      ::_exit(lock.tryLock(0) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(saver, &status, 0);
    QCOMPARE(status, 0);
    QVERIFY(QFile::exists(path + QStringLiteral(".lock")));
    WriteText(dir.filePath(QStringLiteral("WinPirukOptions.ini.keep")), "mine");
    RemoveTableOptionsLeftovers(path);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
             (QStringList{QStringLiteral("WinPirukOptions.ini"), QStringLiteral("WinPirukOptions.ini.keep")}));
    QCOMPARE(LoadTableOptions(path).grow_with_window, false);
  }

  void aFileThatCannotBeWrittenIsReported() {
    // Its folder is a file: nothing can be written there, even by root.
    QTemporaryDir dir;
    WriteText(dir.filePath(QStringLiteral("config")), "not a folder");
    QVERIFY(!SaveTableOptions(TableOptionsFile(dir.filePath(QStringLiteral("config"))), TableOptions{false, true, std::nullopt, SoundVolumes{}, false}));
  }
};

const bool kAdded =
    winpiruk::test::AddWindowSuite<TableOptionsTest>(winpiruk::test::SuiteApplication::kNoWindows);
#include "tst_table_options.moc"
