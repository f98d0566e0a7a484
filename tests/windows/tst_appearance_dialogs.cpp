// The appearance windows (background, text colours, card backs), the sound
// window and the background music, played through the dummy audio driver.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <memory>
#include <QtTest>

#include "WindowSuites.h"
#include "TestTune.h"
#include "config/SettingsStore.h"
#include "presentation/OwnMusic.h"
#include "presentation/Appearance.h"
#include "support/TempDir.h"
#include "gui/common/FileChooser.h"
#include "gui/appearance/TextColoursDialog.h"
#include "gui/appearance/SoundDialog.h"
#include "gui/appearance/CardBackDialog.h"
#include "gui/appearance/BackgroundDialog.h"
#include "gui/common/HelpWindow.h"
#include "gui/common/Music.h"
#include "sound/Sound.h"
#include "gui/table/TablePicture.h"
#include "windows/AccessibleControls.h"
#include "windows/DialogAnswers.h"
#include "windows/RunToEnd.h"

using namespace winpiruk;
using winpiruk::test::WriteTune;

namespace {

QString ShareDir() { return qEnvironmentVariable("WINPIRUK_SHARE_DIR"); }

void WritePicture(const QString& path, const QColor& colour, QSize size = {40, 30}) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(colour);
  QVERIFY(picture.save(path));
}

QString SettingsText(const ProgramPaths& paths) {
  QFile file(QString::fromStdString(paths.SettingsFile()));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromLatin1(file.readAll());
}

// Selects a file in a file list as a click would.
void ClickFile(QListView* list, const QString& path) {
  auto* model = qobject_cast<QFileSystemModel*>(list->model());
  QVERIFY(model != nullptr);
  QTRY_VERIFY(model->index(path).isValid());
  list->setCurrentIndex(model->index(path));
}

// A control of `window` by its objectName; the test stops when there is none.
template <typename T>
T* Control(const QWidget& window, const QString& name) {
  auto* control = window.findChild<T*>(name);
  if (control == nullptr) qFatal("no control named %s", qPrintable(name));
  return control;
}

QPushButton* Button(const QWidget& window, const char* name) {
  return Control<QPushButton>(window, QString::fromLatin1(name));
}

QLabel* SampleLabel(const QWidget& window, TextItem item) {
  return Control<QLabel>(window, QStringLiteral("sampleLabel%1").arg(static_cast<int>(item)));
}
QRadioButton* ItemButton(const QWidget& window, TextItem item) {
  return Control<QRadioButton>(window, QStringLiteral("itemButton%1").arg(static_cast<int>(item)));
}
QLabel* Swatch(const QWidget& window, int index) { return Control<QLabel>(window, QStringLiteral("swatch%1").arg(index)); }
QLabel* BackImage(const QWidget& window, int kind) {
  return Control<QLabel>(window, QStringLiteral("backImage%1").arg(kind));
}
// The design the card window frames; -1 for none.
int FramedDesign(const QWidget& window) {
  for (int kind = 0; kind < kCardBackKinds; ++kind) {
    if (!BackImage(window, kind)->styleSheet().contains(QStringLiteral("transparent"))) return kind;
  }
  return -1;
}

FileChooser* Chooser(const QWidget& window, const char* role) {
  return Control<FileChooser>(window, QLatin1String(role) + QStringLiteral("Chooser"));
}
QListView* FileList(const QWidget& window, const char* role) {
  return Control<QListView>(window, QLatin1String(role) + QStringLiteral("FileList"));
}
QListWidget* EventList(const QWidget& window) { return Control<QListWidget>(window, QStringLiteral("eventList")); }
QListWidget* PieceList(const QWidget& window) { return Control<QListWidget>(window, QStringLiteral("pieceList")); }

struct Message {
  QString title;
  QString text;
};

// Records the next message box and presses its OK button.
void RecordMessage(Message* message) {
  test::WhenModalAppears([message](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      message->title = box->windowTitle();
      message->text = box->text();
      box->accept();
    }
  });
}

}  // namespace

class TestAppearanceWindows : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::TempDir> dir_;
  ProgramPaths paths_;
  GameState state_;

  QString Path(const QString& name) const { return QString::fromStdString(dir_->File(name.toStdString())); }
  std::string Music(const char* name) const { return dir_->File(std::string("music/") + name); }

 private slots:
  // Nothing is left waiting for a window of a test that has ended.
  void cleanup() { SuspendableRun::StopAll(); }

  void initTestCase() {
    // No sound device in the tests: the game must run silently.
    qputenv("SDL_AUDIODRIVER", "dummy");
    QVERIFY2(!ShareDir().isEmpty(), "WINPIRUK_SHARE_DIR is not set");
  }

  void init() {
    dir_ = std::make_unique<test::TempDir>();
    paths_ = ProgramPaths{ShareDir().toStdString(), dir_->File("config"), dir_->File("data")};
    state_ = GameState{};
    state_.settings = DefaultSettings(paths_.program_directory);
    state_.settings.DataFileDirectory = paths_.program_directory;
    QDir().mkpath(Path(QStringLiteral("music")));
    QDir().mkpath(Path(QStringLiteral("pictures")));
    for (const char* name : {"a.mid", "b.mid", "c.mid"}) WriteTune(QString::fromStdString(Music(name)));
  }

  // --- For assistive technology and the keyboard -----------------------------------

  void everyControlIsNamedAndTheKeyboardReachesEveryChoice() {
    TextColoursDialog colours(state_, paths_);
    CardBackDialog backs(state_, paths_);
    BackgroundDialog background(state_, paths_, [] { return true; }, QSize(541, 359));
    SoundDialog sound(state_, paths_);
    const QString nameless = test::NamelessControlsOf({&colours, &backs, &background, &sound});
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless));
    const QString misread = test::MisreadControls({
        {&colours, "itemButton2", QStringLiteral("持ち点"), QString()},
        {&colours, "palette", QStringLiteral("文字色"), QString()},
        {&backs, "cloth", QStringLiteral("カードの裏の絵柄"), QString()},
        {&background, "pictureFileList", QStringLiteral("ﾌｧｲﾙ"), QString()},
        {&sound, "effectsVolumeSlider", QStringLiteral("効果音(V)"), QString()},
        {&sound, "ownPiecesButton", QStringLiteral("付属の曲(B)"), QStringLiteral("このプログラムに付いている曲を一覧に加えます")},
    });
    QVERIFY2(misread.isEmpty(), qPrintable(misread));

    // The swatches and the designs, with the arrow keys where the focus is.
    colours.show();
    QVERIFY(QTest::qWaitForWindowActive(&colours));
    QTest::keyClick(ItemButton(colours, TextItem::PlayerNames), Qt::Key_Down);
    QCOMPARE(ItemButton(colours, TextItem::NumberOfCard)->isChecked(), true);
    QStringList reading = test::TabOrder(ItemButton(colours, TextItem::NumberOfCard), 5);
    QCOMPARE(reading, (QStringList{"itemButton1", "palette", "resetButton", "okButton", "cancelButton"}));
    QWidget* palette = Control<QWidget>(colours, QStringLiteral("palette"));
    QTest::mouseClick(Swatch(colours, 0), Qt::LeftButton);
    palette->setFocus(Qt::TabFocusReason);
    QTest::keyClick(palette, Qt::Key_Right);
    QTest::keyClick(palette, Qt::Key_Down);
    QVERIFY(Swatch(colours, 1 + kSwatchColumns)->styleSheet().contains(QStringLiteral("3px")));
    QCOMPARE(test::AccessibleDescription(palette), Swatch(colours, 1 + kSwatchColumns)->toolTip());
    colours.close();

    backs.show();
    QVERIFY(QTest::qWaitForWindowActive(&backs));
    QCOMPARE(QApplication::focusWidget(), Control<QWidget>(backs, QStringLiteral("cloth")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(FramedDesign(backs), 1);
    backs.close();

    sound.show();
    QVERIFY(QTest::qWaitForWindowActive(&sound));
    // Add and remove wait, disabled, for a file and a piece to be chosen.
    reading = test::TabOrder(Control<QWidget>(sound, QStringLiteral("soundCheck")), 16);
    QCOMPARE(reading, (QStringList{"soundCheck", "effectsVolumeSlider", "musicVolumeSlider", "eventList", "effectVolumeBox",
                                   "effectFolderTree", "effectFileList", "resetEffectsButton", "pieceList", "ownPiecesButton", "pieceVolumeBox", "pieceFolderTree", "pieceFileList", "okButton",
                                   "cancelButton", "soundCheck"}));
    sound.reject();
  }

  // --- Text colours ------------------------------------------------------------

  void textColoursCancelLeavesEverythingAndOkWrites() {
    const Settings before = state_.settings;
    auto choose = [](TextColoursDialog& window) {
      QTest::mouseClick(SampleLabel(window, TextItem::PlayerScore), Qt::LeftButton);
      QVERIFY(ItemButton(window, TextItem::PlayerScore)->isChecked());
      QTest::mouseClick(Swatch(window, 30), Qt::LeftButton);  // row 4: on white
      ItemButton(window, TextItem::Message_1)->click();
      QVERIFY(!ItemButton(window, TextItem::PlayerScore)->isChecked());
      QTest::mouseClick(Swatch(window, 17), Qt::LeftButton);  // row 3: on black
    };
    {
      TextColoursDialog window(state_, paths_);
      QCOMPARE(window.windowTitle(), QStringLiteral("ぴるく  - 盤面文字色設定 -"));
      choose(window);
      QCOMPARE(window.Colours()[2].colour, SwatchColour(30));
      QCOMPARE(window.Colours()[2].background, int16_t{1});
      QCOMPARE(window.Colours()[3].background, int16_t{0});
      QTest::mouseClick(Button(window, "cancelButton"), Qt::LeftButton);
      QCOMPARE(window.result(), int(QDialog::Rejected));
    }
    QCOMPARE(state_.settings.PlayerScore.colour, before.PlayerScore.colour);
    QCOMPARE(state_.settings.Message_1.colour, before.Message_1.colour);
    QVERIFY(SettingsText(paths_).isEmpty());

    TextColoursDialog window(state_, paths_);
    choose(window);
    QTest::mouseClick(Button(window, "okButton"), Qt::LeftButton);
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(state_.settings.PlayerScore.colour, SwatchColour(30));
    QCOMPARE(state_.settings.PlayerScore.background, int16_t{1});
    QCOMPARE(state_.settings.Message_1.colour, SwatchColour(17));
    QVERIFY(SettingsText(paths_).contains(QStringLiteral("PlayerScore = 1  %1\r\n").arg(SwatchColour(30))));
  }

  void textColoursResetAndTheCardCountsBackground() {
    state_.settings.PlayerNames = {1, 0};
    state_.settings.Message_2 = {1, 128};
    TextColoursDialog window(state_, paths_);
    // The card counts show on the names' background, whatever row their colour came from.
    QTest::mouseClick(SampleLabel(window, TextItem::NumberOfCard), Qt::LeftButton);
    QTest::mouseClick(Swatch(window, 0), Qt::LeftButton);
    QVERIFY(SampleLabel(window, TextItem::NumberOfCard)->styleSheet().contains(QStringLiteral("background: #ffffff")));
    QCOMPARE(window.Colours()[1].colour, SwatchColour(0));

    QTest::mouseClick(Button(window, "resetButton"), Qt::LeftButton);
    const auto defaults = DefaultTextColours();
    for (int i = 0; i < kTextItems; ++i) {
      QCOMPARE(window.Colours()[i].colour, defaults[i].colour);
      QCOMPARE(window.Colours()[i].background, defaults[i].background);
    }
    QCOMPARE(ColourFromBgr(16777088), QColor(128, 255, 255));
    QCOMPARE(BgrFromColour(QColor(128, 255, 255)), 16777088);
  }

  // --- Card backs --------------------------------------------------------------

  void cardBacksChooseCancelAndCloseByTheFrame() {
    state_.settings.CardKind = 5;
    {
      CardBackDialog window(state_, paths_);
      QCOMPARE(window.windowTitle(), QStringLiteral("ぴるく  - カード設定 -"));
      QVERIFY(!BackImage(window, 5)->styleSheet().contains(QStringLiteral("transparent")));
      QVERIFY(BackImage(window, 0)->styleSheet().contains(QStringLiteral("transparent")));
      QCOMPARE(BackImage(window, 0)->pixmap().size(), QSize(2 * kCardWidth, 2 * kCardHeight));
      QTest::mouseClick(BackImage(window, 2), Qt::LeftButton);
      QCOMPARE(FramedDesign(window), 2);
      // The settings keep the design until the window closes keeping it.
      QCOMPARE(state_.settings.CardKind, int16_t{5});
      QTest::mouseClick(Button(window, "cancelButton"), Qt::LeftButton);
    }
    QCOMPARE(state_.settings.CardKind, int16_t{5});
    QVERIFY(SettingsText(paths_).isEmpty());  // Cancel writes nothing
    {
      // A choice that comes back to the design at opening changes nothing to write.
      CardBackDialog window(state_, paths_);
      QTest::mouseClick(BackImage(window, 1), Qt::LeftButton);
      QTest::mouseClick(BackImage(window, 5), Qt::LeftButton);
      QTest::mouseClick(Button(window, "okButton"), Qt::LeftButton);
    }
    QVERIFY(SettingsText(paths_).isEmpty());
    {
      CardBackDialog window(state_, paths_);
      window.show();
      QTest::mouseClick(BackImage(window, 9), Qt::LeftButton);
      QTest::keyClick(&window, Qt::Key_Right);  // round to the first
      QCOMPARE(FramedDesign(window), 0);
      QTest::keyClick(&window, Qt::Key_Down);
      QTest::keyClick(&window, Qt::Key_Left);
      QCOMPARE(FramedDesign(window), 4);
      QTest::keyClick(&window, Qt::Key_Up);  // from the top row to the bottom one
      QCOMPARE(FramedDesign(window), 9);
      window.close();
      QCOMPARE(window.result(), int(QDialog::Accepted));
    }
    QCOMPARE(state_.settings.CardKind, int16_t{9});
    // Closed by the frame with another design: the settings file keeps it for
    // the next game, which reads the back from there.
    QVERIFY(SettingsText(paths_).contains(QStringLiteral("\r\nCardKind = 9\r\n")));

    test::WhenModalAppears([](QWidget* modal) {
      auto* window = qobject_cast<CardBackDialog*>(modal);
      QTest::mouseClick(BackImage(*window, 0), Qt::LeftButton);
      QTest::mouseClick(Button(*window, "okButton"), Qt::LeftButton);
    });
    bool changed = false;
    QVERIFY(test::RunToEnd([&] { changed = OpenCardSettings(nullptr, state_, paths_); }));
    QVERIFY(changed);
    QCOMPARE(state_.settings.CardKind, int16_t{0});
    QVERIFY(SettingsText(paths_).contains(QStringLiteral("\r\nCardKind = 0\r\n")));
    test::WhenModalAppears([](QWidget* modal) {
      auto* window = qobject_cast<CardBackDialog*>(modal);
      QTest::mouseClick(BackImage(*window, 7), Qt::LeftButton);
      window->reject();
    });
    QVERIFY(test::RunToEnd([&] { changed = OpenCardSettings(nullptr, state_, paths_); }));
    QVERIFY(!changed);
    QCOMPARE(state_.settings.CardKind, int16_t{0});
    QVERIFY(SettingsText(paths_).contains(QStringLiteral("\r\nCardKind = 0\r\n")));
  }

  void cardBacksWithoutTheirPicturesStillOpen() {
    state_.settings.DataFileDirectory = dir_->File("nothing-here");
    CardBackDialog window(state_, paths_);
    QCOMPARE(BackImage(window, 3)->pixmap().size(), QSize(2 * kCardWidth, 2 * kCardHeight));
    // F1 opens the help page over the window.
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    QTRY_VERIFY(window.findChild<HelpWindow*>() != nullptr);
  }

  // --- Background -----------------------------------------------------------------

  void backgroundCancelRestoresPictureSizeAndTable() {
    const QString a = Path(QStringLiteral("pictures/a.png"));
    const QString b = Path(QStringLiteral("pictures/b.png"));
    WritePicture(a, Qt::red);
    WritePicture(b, Qt::blue);
    state_.settings.GameWallPaper = a.toStdString();
    std::vector<std::pair<std::string, int>> drawn;
    auto draw = [this, &drawn] {
      drawn.emplace_back(state_.settings.GameWallPaper, state_.settings.WallPaperAutoSize);
      return true;
    };
    BackgroundDialog window(state_, paths_, draw, QSize(541, 359));
    QCOMPARE(window.windowTitle(), QStringLiteral("ぴるく  - 盤面背景設定 -"));
    QCOMPARE(Control<QLabel>(window, QStringLiteral("fileNameLabel"))->text(), QStringLiteral("ﾌｧｲﾙ名 : a.png"));
    QTRY_COMPARE(Chooser(window, "picture")->SelectedFile(), QStringLiteral("a.png"));

    ClickFile(FileList(window, "picture"), b);
    // The settings keep the picture in use until the choice is drawn on the table.
    QCOMPARE(QString::fromStdString(state_.settings.GameWallPaper), a);
    QVERIFY(drawn.empty());
    QCOMPARE(Control<QLabel>(window, QStringLiteral("fileNameLabel"))->text(), QStringLiteral("ﾌｧｲﾙ名 : b.png"));
    QCOMPARE(Control<QLabel>(window, QStringLiteral("previewPicture"))->pixmap().toImage().pixelColor(2, 2), QColor(Qt::blue));
    Control<QCheckBox>(window, QStringLiteral("autoSizeCheck"))->click();
    QCOMPARE(state_.settings.WallPaperAutoSize, int16_t{0});
    QTest::mouseClick(Button(window, "applyButton"), Qt::LeftButton);
    QCOMPARE(drawn.back(), std::make_pair(b.toStdString(), 1));
    // Drawn on the table, the choice stands in the settings the table paints from.
    QCOMPARE(QString::fromStdString(state_.settings.GameWallPaper), b);
    QCOMPARE(state_.settings.WallPaperAutoSize, int16_t{1});

    QTest::mouseClick(Button(window, "cancelButton"), Qt::LeftButton);
    QCOMPARE(QString::fromStdString(state_.settings.GameWallPaper), a);
    QCOMPARE(state_.settings.WallPaperAutoSize, int16_t{0});
    QCOMPARE(drawn.back(), std::make_pair(a.toStdString(), 0));
    QVERIFY(SettingsText(paths_).isEmpty());
  }

  void backgroundPlainThenOkStoresNoPicture() {
    const QString a = Path(QStringLiteral("pictures/a.png"));
    WritePicture(a, Qt::red);
    state_.settings.GameWallPaper = a.toStdString();
    int draws = 0;
    bool drew_plain = false;
    test::WhenModalAppears([](QWidget* modal) {
      auto* window = qobject_cast<BackgroundDialog*>(modal);
      QTest::mouseClick(Button(*window, "plainButton"), Qt::LeftButton);
      QCOMPARE(Control<QLabel>(*window, QStringLiteral("fileNameLabel"))->text(), QStringLiteral("ﾌｧｲﾙ名 : "));
      QTest::mouseClick(Button(*window, "okButton"), Qt::LeftButton);
    });
    bool confirmed = false;
    QVERIFY(test::RunToEnd([&] {
      confirmed = OpenBackgroundSettings(nullptr, state_, paths_, [&] {
        ++draws;
        drew_plain = state_.settings.GameWallPaper.empty();
        return true;
      });
    }));
    QVERIFY(confirmed);
    QVERIFY(state_.settings.GameWallPaper.empty());
    QVERIFY(drew_plain);
    QCOMPARE(draws, 2);  // at "無地" and at OK
    QVERIFY(SettingsText(paths_).contains(QStringLiteral("\r\nGameWallPaper =\r\nWallPaperAutoSize = 0\r\n")));
  }

  void backgroundThatCannotBeLoadedIsReported() {
    const QString broken = Path(QStringLiteral("pictures/broken.bmp"));
    {
      QFile file(broken);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("not a picture");
    }
    BackgroundDialog window(state_, paths_, [] { return false; }, QSize(541, 359));
    Chooser(window, "picture")->SetFolder(Path(QStringLiteral("pictures")));
    window.show();
    Message message;
    RecordMessage(&message);
    ClickFile(FileList(window, "picture"), broken);
    QTRY_COMPARE(message.title, QStringLiteral("ぴるく  －盤面背景設定－"));
    QCOMPARE(message.text, QStringLiteral("ファイルが見つかりません。"));
    QCOMPARE(Control<QLabel>(window, QStringLiteral("fileNameLabel"))->text(), QStringLiteral("ﾌｧｲﾙ名 : broken.bmp"));
    QVERIFY(state_.settings.GameWallPaper.empty());

    // OK does not keep a picture the table cannot draw.
    Message again;
    RecordMessage(&again);
    QTest::mouseClick(Button(window, "okButton"), Qt::LeftButton);
    QTRY_COMPARE(again.text, QStringLiteral("ファイルが見つかりません。"));
    QVERIFY(window.isVisible());
    QVERIFY(SettingsText(paths_).isEmpty());
  }

  void backgroundPreviewStretchesOrKeepsTheSize() {
    QImage picture(100, 50, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QImage stretched = BackgroundPreview(picture, true, {200, 100}, {100, 50});
    QCOMPARE(stretched.pixelColor(99, 49), QColor(Qt::red));
    const QImage natural = BackgroundPreview(picture, false, {200, 100}, {100, 50});
    QCOMPARE(natural.pixelColor(40, 20), QColor(Qt::red));
    QVERIFY(natural.pixelColor(80, 40) != QColor(Qt::red));
    QCOMPARE(BackgroundPreview(QImage(), false, {200, 100}, {100, 50}).pixelColor(80, 40),
             natural.pixelColor(80, 40));
  }

  // A folder whose name the settings file cannot hold: a background, an
  // effect or a piece chosen there is refused and the old value kept.
  void pathsTheSettingsFileCannotHoldAreRefused() {
    const QString foreign = Path(QStringLiteral("한글😀"));
    QVERIFY(QDir().mkpath(foreign));
    WritePicture(foreign + QStringLiteral("/a.png"), Qt::red);
    QVERIFY(QFile::copy(ShareDir() + QStringLiteral("/WP_PRK.WAV"), foreign + QStringLiteral("/a.wav")));
    WriteTune(foreign + QStringLiteral("/a.mid"));
    const QString kept = Path(QStringLiteral("pictures/kept.png"));
    WritePicture(kept, Qt::blue);
    state_.settings.GameWallPaper = kept.toStdString();
    state_.settings.BgmList[1] = Music("a.mid");
    state_.settings.BgmCount = 1;
    const Settings before = state_.settings;
    auto refused = [](const Message& message, const QString& title) {
      QTRY_COMPARE(message.title, title);
      QVERIFY(message.text.contains(QString::fromUtf8("「한\u00A0U+D55C」 「글\u00A0U+AE00」 「😀\u00A0U+1F600」")));
      QVERIFY(message.text.contains(QStringLiteral("設定は変更されていません。")));
    };

    {
      int draws = 0;
      BackgroundDialog window(state_, paths_, [&draws] { return ++draws > 0; }, QSize(541, 359));
      window.show();
      Chooser(window, "picture")->SetFolder(foreign);
      const QString title = window.windowTitle();
      Message click, double_click, update;
      RecordMessage(&click);
      ClickFile(FileList(window, "picture"), foreign + QStringLiteral("/a.png"));
      refused(click, title);
      RecordMessage(&double_click);
      emit Chooser(window, "picture")->FileDoubleClicked(foreign + QStringLiteral("/a.png"));
      refused(double_click, title);
      RecordMessage(&update);
      QTest::mouseClick(Button(window, "applyButton"), Qt::LeftButton);
      refused(update, title);
      QCOMPARE(state_.settings.GameWallPaper, before.GameWallPaper);
      QCOMPARE(Control<QLabel>(window, QStringLiteral("fileNameLabel"))->text(), QStringLiteral("ﾌｧｲﾙ名 : kept.png"));
      QCOMPARE(Control<QLabel>(window, QStringLiteral("previewPicture"))->pixmap().toImage().pixelColor(2, 2), QColor(Qt::blue));
      QCOMPARE(draws, 0);
    }

    SoundDialog window(state_, paths_);
    window.show();
    const QString title = window.windowTitle();
    Chooser(window, "effect")->SetFolder(foreign);
    Chooser(window, "piece")->SetFolder(foreign);
    Message effect, add, double_click;
    RecordMessage(&effect);
    ClickFile(FileList(window, "effect"), foreign + QStringLiteral("/a.wav"));
    refused(effect, title);
    ClickFile(FileList(window, "piece"), foreign + QStringLiteral("/a.mid"));
    RecordMessage(&add);
    QTest::mouseClick(Button(window, "addPieceButton"), Qt::LeftButton);
    refused(add, title);
    RecordMessage(&double_click);
    emit Chooser(window, "piece")->FileDoubleClicked(foreign + QStringLiteral("/a.mid"));
    refused(double_click, title);
    QCOMPARE(PieceList(window)->count(), 1);
    QTest::mouseClick(Button(window, "okButton"), Qt::LeftButton);
    QCOMPARE(state_.settings.PirukSound, before.PirukSound);
    QCOMPARE(state_.settings.BgmList, before.BgmList);
    QCOMPARE(state_.settings.BgmCount, before.BgmCount);
    QVERIFY(!SettingsText(paths_).isEmpty());
    QVERIFY(!SettingsText(paths_).contains(u'?'));
  }

  // --- Sound window -----------------------------------------------------------------

  void soundWindowOpensOnTheFirstEventAndTheList() {
    state_.settings.BgmList[1] = Music("a.mid");
    state_.settings.BgmList[2] = Music("gone.mid");
    state_.settings.BgmCount = 2;
    SoundDialog window(state_, paths_);
    QCOMPARE(window.windowTitle(), QStringLiteral("ぴるく  - サウンド設定 -"));
    QCOMPARE(Control<QGroupBox>(window, QStringLiteral("effectsFrame"))->title(), QStringLiteral("効果音 ｲﾍﾞﾝﾄ場面 (*.wav)"));
    QCOMPARE(Control<QGroupBox>(window, QStringLiteral("musicFrame"))->title(), QStringLiteral("BGMﾌｧｲﾙ (*.mid)"));
    QCOMPARE(EventList(window)->count(), 7);
    QCOMPARE(EventList(window)->item(6)->text(), QStringLiteral("ｶｰﾄﾞ配布/捨て"));
    QCOMPARE(EventList(window)->currentRow(), 0);
    QCOMPARE(Chooser(window, "effect")->SelectedFile(), QStringLiteral("WP_PRK.WAV"));
    QCOMPARE(PieceList(window)->count(), 2);
    QCOMPARE(PieceList(window)->item(0)->text(), QStringLiteral("a.mid"));
    // A piece whose file is gone is marked so.
    QVERIFY(PieceList(window)->item(1)->toolTip().contains(QStringLiteral("というファイルが見つかりません")));

    EventList(window)->setCurrentRow(6);
    QCOMPARE(Chooser(window, "effect")->SelectedFile(), QStringLiteral("WP_CARD.WAV"));
    ClickFile(FileList(window, "effect"), ShareDir() + QStringLiteral("/WP_GOVER.WAV"));
    QCOMPARE(Control<QLabel>(window, QStringLiteral("effectFileLabel"))->toolTip(), ShareDir() + QStringLiteral("/WP_GOVER.WAV"));
    QCOMPARE(state_.settings.CardOperateSound, paths_.program_directory + "/WP_CARD.WAV");
    QCOMPARE(state_.settings.PirukSound, paths_.program_directory + "/WP_PRK.WAV");

    // A double click plays the file, even with the sound switched off.
    emit Chooser(window, "effect")->FileDoubleClicked(ShareDir() + QStringLiteral("/WP_PRK.WAV"));
    QVERIFY(window.LastPreviewResult() != 0);
    emit Chooser(window, "effect")->FileDoubleClicked(Path(QStringLiteral("none.wav")));
    QCOMPARE(window.LastPreviewResult(), 0);
  }

  void soundWindowCancelPutsBackFilesAndListButNotTheSwitch() {
    state_.settings.BgmList[1] = Music("a.mid");
    state_.settings.BgmList[2] = Music("b.mid");
    state_.settings.BgmCount = 2;
    state_.window.BgmTrack = 2;
    const Settings before = state_.settings;
    SoundDialog window(state_, paths_);
    Control<QCheckBox>(window, QStringLiteral("soundCheck"))->click();
    QCOMPARE(state_.settings.SoundMode, int16_t{1});
    ClickFile(FileList(window, "effect"), ShareDir() + QStringLiteral("/WP_CARD.WAV"));
    QCOMPARE(Control<QLabel>(window, QStringLiteral("effectFileLabel"))->toolTip(), ShareDir() + QStringLiteral("/WP_CARD.WAV"));
    QCOMPARE(state_.settings.PirukSound, before.PirukSound);
    PieceList(window)->setCurrentRow(0);
    QTest::mouseClick(Button(window, "removePieceButton"), Qt::LeftButton);
    ClickFile(FileList(window, "piece"), QString::fromStdString(Music("c.mid")));
    QTest::mouseClick(Button(window, "addPieceButton"), Qt::LeftButton);
    QCOMPARE(PieceList(window)->count(), 2);
    QCOMPARE(PieceList(window)->item(1)->text(), QStringLiteral("c.mid"));

    QTest::keyClick(&window, Qt::Key_Escape);
    QCOMPARE(window.result(), int(QDialog::Rejected));
    QCOMPARE(state_.settings.PirukSound, before.PirukSound);
    QCOMPARE(state_.settings.BgmList, before.BgmList);
    QCOMPARE(state_.settings.BgmCount, before.BgmCount);
    QCOMPARE(state_.window.BgmTrack, int16_t{2});
    QCOMPARE(state_.settings.SoundMode, int16_t{1});
    QVERIFY(SettingsText(paths_).isEmpty());
  }

  void soundWindowOkWritesTheListFromItsFirstPiece() {
    state_.settings.BgmList[1] = Music("a.mid");
    state_.settings.BgmList[2] = Music("b.mid");
    state_.settings.BgmCount = 2;
    state_.window.BgmTrack = 2;
    SoundDialog window(state_, paths_);
    // Double clicks: one removes the first entry, the other adds a piece.
    emit PieceList(window)->itemDoubleClicked(PieceList(window)->item(0));
    ClickFile(FileList(window, "piece"), QString::fromStdString(Music("c.mid")));
    emit Chooser(window, "piece")->FileDoubleClicked(QString::fromStdString(Music("c.mid")));
    QTest::mouseClick(Button(window, "okButton"), Qt::LeftButton);
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(state_.settings.BgmCount, int16_t{2});
    QCOMPARE(state_.window.BgmTrack, int16_t{1});
    const QString text = SettingsText(paths_);
    QVERIFY(text.endsWith(QStringLiteral("BGM = %1\r\nBGM = %2\r\n")
                              .arg(QString::fromStdString(Music("b.mid")), QString::fromStdString(Music("c.mid")))));
  }

  void theProgramsOwnPiecesFillTheMusicListOnce() {
    state_.settings.BgmList[1] = Music("a.mid");
    state_.settings.BgmCount = 1;
    SoundDialog window(state_, paths_);
    QTest::mouseClick(Button(window, "ownPiecesButton"), Qt::LeftButton);
    QCOMPARE(PieceList(window)->count(), 1 + static_cast<int>(kOwnPieceFiles.size()));
    QCOMPARE(PieceList(window)->item(1)->text(), QString::fromLatin1(kOwnPieceFiles[0]));
    // A second press adds nothing twice.
    QTest::mouseClick(Button(window, "ownPiecesButton"), Qt::LeftButton);
    QCOMPARE(PieceList(window)->count(), 1 + static_cast<int>(kOwnPieceFiles.size()));
    QTest::mouseClick(Button(window, "okButton"), Qt::LeftButton);
    QCOMPARE(state_.settings.BgmCount, int16_t{1 + kOwnPieceFiles.size()});
    QCOMPARE(state_.settings.BgmList[2], paths_.program_directory + "/" + kOwnPieceFiles[0]);
  }

  void soundWindowHoldsTenPiecesAndResetsTheEffects() {
    for (int slot = 1; slot <= 9; ++slot) state_.settings.BgmList.at(static_cast<size_t>(slot)) = Music("a.mid");
    state_.settings.BgmCount = 9;
    for (int i = 0; i < kSoundEvents; ++i) EffectFile(state_.settings, SoundEvent(i)) = "/elsewhere/x.wav";
    SoundDialog window(state_, paths_);
    QVERIFY(!Button(window, "addPieceButton")->isEnabled());  // no file chosen yet
    ClickFile(FileList(window, "piece"), QString::fromStdString(Music("b.mid")));
    QVERIFY(Button(window, "addPieceButton")->isEnabled());
    QTest::mouseClick(Button(window, "addPieceButton"), Qt::LeftButton);
    QCOMPARE(PieceList(window)->count(), 10);
    QVERIFY(!Button(window, "addPieceButton")->isEnabled());
    emit Chooser(window, "piece")->FileDoubleClicked(QString::fromStdString(Music("c.mid")));
    QCOMPARE(PieceList(window)->count(), 10);

    QTest::mouseClick(Button(window, "resetEffectsButton"), Qt::LeftButton);
    QCOMPARE(Chooser(window, "effect")->SelectedFile(), QStringLiteral("WP_PRK.WAV"));
    QCOMPARE(state_.settings.PirukSound, std::string("/elsewhere/x.wav"));
    // OK keeps the program's own sounds and the ten pieces.
    QTest::mouseClick(Button(window, "okButton"), Qt::LeftButton);
    for (int i = 0; i < kSoundEvents; ++i) {
      QVERIFY(QString::fromStdString(EffectFile(state_.settings, SoundEvent(i))).startsWith(ShareDir() + "/WP_"));
    }
    QCOMPARE(state_.settings.BgmCount, int16_t{10});
  }

  // --- Music -----------------------------------------------------------------------

  void musicPlaysPausesAndFollowsAnEndedPiece() {
    state_.settings.SoundMode = 1;
    state_.settings.BgmList[1] = Music("a.mid");
    state_.settings.BgmList[2] = Music("b.mid");
    state_.settings.BgmCount = 2;
    winpiruk::Music music(state_);
    QSignalSpy ready(&music, &Music::ReadyChanged);
    music.OpenMusic();
    QCOMPARE(music.Driver(), std::string("dummy"));
    QVERIFY(music.BgmAvailable());
    QCOMPARE(ready.count(), 1);
    QCOMPARE(music.Mode(), SequencerMode::Stopped);
    music.PlayMusic();
    QCOMPARE(music.Mode(), SequencerMode::Playing);
    music.PauseOrResume();
    QCOMPARE(music.Mode(), SequencerMode::Paused);
    QCOMPARE(music.BgmPaused(), int16_t{1});
    music.PauseOrResume();
    QCOMPARE(music.Mode(), SequencerMode::Playing);
    QCOMPARE(state_.window.BgmTrack, int16_t{1});

    QSignalSpy ended(&music, &Music::PieceEnded);
    QVERIFY(ended.wait(10000));
    QCOMPARE(music.Mode(), SequencerMode::Stopped);
    // The next piece is read on a worker: the call returns before it plays.
    music.CheckMusic();
    QVERIFY(music.Loading());
    QTRY_VERIFY(!music.Loading());
    QCOMPARE(state_.window.BgmTrack, int16_t{2});
    QCOMPARE(music.Mode(), SequencerMode::Playing);
    music.StopMusic();
    QCOMPARE(music.Mode(), SequencerMode::Stopped);
    QTest::qWait(50);
    QCOMPARE(ended.count(), 1);  // a stop is not an ending
  }

  void effectsAndMusicShareTheAudioDevice() {
    state_.settings.SoundMode = 1;
    state_.settings.BgmList[1] = Music("a.mid");
    state_.settings.BgmCount = 1;
    const std::string card = paths_.program_directory + "/WP_CARD.WAV";
    EffectPlayer effects;
    QVERIFY(effects.PlayEffect(card, true) != 0);
    {
      auto effects_later = std::make_unique<EffectPlayer>();
      winpiruk::Music music(state_);
      music.OpenMusic();
      music.PlayMusic();
      QVERIFY(effects_later->PlayEffect(card, true) != 0);
      // One holder letting go leaves the device to the others.
      effects_later.reset();
      QCOMPARE(music.Mode(), SequencerMode::Playing);
    }
    QVERIFY(effects.PlayEffect(card, true) != 0);
  }

  void musicPassesOverAMissingPieceWithAMessage() {
    state_.settings.SoundMode = 1;
    state_.settings.BgmList[1] = Music("a.mid");
    state_.settings.BgmList[2] = Music("gone.mid");
    state_.settings.BgmList[3] = Music("c.mid");
    state_.settings.BgmCount = 3;
    winpiruk::Music music(state_);
    music.OpenMusic();
    music.PlayMusic();
    Message message;
    RecordMessage(&message);
    music.NextPiece(nullptr);
    QTRY_COMPARE(message.text, QStringLiteral("「 %1 」というBGMファイルを開けません。").arg(QString::fromStdString(Music("gone.mid"))));
    QCOMPARE(state_.window.BgmTrack, int16_t{3});
    QCOMPARE(music.Mode(), SequencerMode::Playing);
  }

  void musicMenuFollowsTheReadyState() {
    state_.settings.SoundMode = 1;
    state_.settings.BgmList[1] = Music("a.mid");
    state_.settings.BgmList[2] = Music("b.mid");
    state_.settings.BgmList[3] = Music("c.mid");
    state_.settings.BgmCount = 3;
    QMainWindow window;
    QMenu* bgmc = window.menuBar()->addMenu(QStringLiteral("BGM"));
    QAction* pause = bgmc->addAction(QStringLiteral("Pause"));
    QAction* next = bgmc->addAction(QStringLiteral("Next"));
    QAction* back = bgmc->addAction(QStringLiteral("Back"));
    auto* picture = new TablePicture(&window);
    winpiruk::Music music(state_);
    ConnectMusicControls(music, &window, bgmc, pause, next, back);
    // As the table wires its music picture.
    QObject::connect(picture, &TablePicture::doubleClicked, &music, [&] { music.NextPiece(&window); });
    QVERIFY(!bgmc->menuAction()->isEnabled());
    music.OpenMusic();
    QVERIFY(bgmc->menuAction()->isEnabled());
    music.PlayMusic();
    back->trigger();
    QCOMPARE(state_.window.BgmTrack, int16_t{3});
    next->trigger();
    QCOMPARE(state_.window.BgmTrack, int16_t{1});
    QTest::mouseDClick(picture, Qt::LeftButton);
    QCOMPARE(state_.window.BgmTrack, int16_t{2});
    pause->trigger();
    QCOMPARE(music.Mode(), SequencerMode::Paused);

    // No piece left that opens: the menu goes grey.
    for (int slot = 1; slot <= 3; ++slot) state_.settings.BgmList.at(static_cast<size_t>(slot)) = Music("gone.mid");
    test::ConfirmMessage(nullptr);
    next->trigger();
    QVERIFY(!bgmc->menuAction()->isEnabled());
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void soundSwitchedOffInTheWindowStopsTheMusic() {
    state_.settings.SoundMode = 1;
    state_.settings.BgmList[1] = Music("a.mid");
    state_.settings.BgmCount = 1;
    winpiruk::Music music(state_);
    music.OpenMusic();
    music.PlayMusic();
    test::WhenModalAppears([](QWidget* modal) {
      auto* window = qobject_cast<SoundDialog*>(modal);
      Control<QCheckBox>(*window, QStringLiteral("soundCheck"))->click();
      QTest::mouseClick(Button(*window, "okButton"), Qt::LeftButton);
    });
    bool confirmed = false;
    QVERIFY(test::RunToEnd([&] { confirmed = OpenSoundSettings(nullptr, state_, paths_, music); }));
    QVERIFY(confirmed);
    QCOMPARE(state_.settings.SoundMode, int16_t{0});
    QCOMPARE(music.Mode(), SequencerMode::Stopped);
    QVERIFY(SettingsText(paths_).contains(QStringLiteral("SoundMode = 0\r\n")));
  }

  void musicMissingAtStartUpPlaysOnceTheListIsFixed() {
    state_.settings.SoundMode = 1;
    state_.settings.BgmList[1] = Music("gone.mid");
    state_.settings.BgmCount = 1;
    winpiruk::Music music(state_);
    music.OpenMusic();
    QVERIFY(!music.BgmAvailable());
    music.PlayMusic();
    music.NextPiece(nullptr);  // nothing to do, nothing to say
    QCOMPARE(music.Mode(), SequencerMode::NotReady);

    test::WhenModalAppears([this](QWidget* modal) {
      auto* window = qobject_cast<SoundDialog*>(modal);
      PieceList(*window)->setCurrentRow(0);
      QTest::mouseClick(Button(*window, "removePieceButton"), Qt::LeftButton);
      ClickFile(FileList(*window, "piece"), QString::fromStdString(Music("b.mid")));
      QTest::mouseClick(Button(*window, "addPieceButton"), Qt::LeftButton);
      QTest::mouseClick(Button(*window, "okButton"), Qt::LeftButton);
    });
    bool confirmed = false;
    QVERIFY(test::RunToEnd([&] { confirmed = OpenSoundSettings(nullptr, state_, paths_, music); }));
    QVERIFY(confirmed);
    QVERIFY(music.BgmAvailable());
    QCOMPARE(music.Mode(), SequencerMode::Playing);
  }
};

const bool kAdded = winpiruk::test::AddWindowSuite<TestAppearanceWindows>();
#include "tst_appearance_dialogs.moc"
