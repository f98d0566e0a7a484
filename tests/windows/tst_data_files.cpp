// The pictures, sounds and help page that the build makes into the share
// directory: every name the table can ask for is there and is what the
// drawing expects.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <map>

#include "WindowSuites.h"
#include "RunToEnd.h"
#include "presentation/OwnMusic.h"
#include "presentation/PictureNames.h"
#include "gui/common/HelpWindow.h"

namespace winpiruk {
namespace {

constexpr BackOrientation kOrientations[] = {BackOrientation::Upright, BackOrientation::UpsideDown,
                                             BackOrientation::Left, BackOrientation::Right};

QString ShareDir() { return qEnvironmentVariable("WINPIRUK_SHARE_DIR"); }

QImage Load(const std::string& name) {
  return QImage(QDir(ShareDir()).filePath(QString::fromStdString(name))).convertToFormat(QImage::Format_RGB32);
}

bool IsBlack(QRgb c) { return (c & 0x00ffffffu) == 0; }
bool IsWhite(QRgb c) { return (c & 0x00ffffffu) == 0x00ffffffu; }
bool IsStrongRed(QRgb c) { return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90; }

uint32_t LittleEndian(const QByteArray& bytes, int at, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

}  // namespace

class DataFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY2(!ShareDir().isEmpty(), "WINPIRUK_SHARE_DIR is not set");
    QVERIFY2(QDir(ShareDir()).exists(), qPrintable(ShareDir()));
  }

  void pictures_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    for (int code = 1; code <= 52; ++code) {
      QTest::newRow(CardFaceFile(code).c_str())
          << QString::fromStdString(CardFaceFile(code)) << QSize(kCardWidth, kCardHeight);
      QTest::newRow(BannerCardFaceFile(code).c_str())
          << QString::fromStdString(BannerCardFaceFile(code)) << QSize(kBannerCardWidth, kBannerCardHeight);
    }
    for (int kind = 0; kind < kCardBackKinds; ++kind) {
      for (BackOrientation o : kOrientations) {
        const bool turned = o == BackOrientation::Left || o == BackOrientation::Right;
        QTest::newRow(CardBackFile(kind, o).c_str())
            << QString::fromStdString(CardBackFile(kind, o))
            << (turned ? QSize(kTurnedCardWidth, kTurnedCardHeight) : QSize(kCardWidth, kCardHeight));
      }
    }
    for (int seat = 0; seat < 4; ++seat) {
      for (int direction : {1, -1}) {
        QTest::newRow(ArrowFile(seat, direction).c_str())
            << QString::fromStdString(ArrowFile(seat, direction)) << QSize(kArrowSize, kArrowSize);
      }
    }
    for (bool counter_call : {false, true}) {
      for (int seat = 0; seat < 4; ++seat) {
        const QSize size = (seat % 2) ? QSize(kBannerVWidth, kBannerVHeight) : QSize(kBannerHWidth, kBannerHHeight);
        for (bool mask : {false, true}) {
          const std::string name = BannerFile(counter_call, seat, mask);
          QTest::newRow((name + " seat " + std::to_string(seat)).c_str()) << QString::fromStdString(name) << size;
        }
      }
    }
  }

  // Every name exists, is a BMP and loads at the size the layout is made for.
  void pictures() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QString path = QDir(ShareDir()).filePath(name);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(2), QByteArray("BM"));
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
  }

  // The masked transfer: where the mask is black the banner shows, where it
  // is white the table shows through untouched.
  void bannerMasks_data() {
    QTest::addColumn<bool>("counter_call");
    QTest::addColumn<int>("seat");
    QTest::newRow("call H") << false << 0;
    QTest::newRow("call V") << false << 1;
    QTest::newRow("counter-call H") << true << 2;
    QTest::newRow("counter-call V") << true << 3;
  }

  void bannerMasks() {
    QFETCH(bool, counter_call);
    QFETCH(int, seat);
    const QImage picture = Load(BannerFile(counter_call, seat, false));
    const QImage mask = Load(BannerFile(counter_call, seat, true));
    QCOMPARE(picture.size(), mask.size());
    int drawn = 0;
    for (int y = 0; y < mask.height(); ++y) {
      for (int x = 0; x < mask.width(); ++x) {
        const QRgb m = mask.pixel(x, y);
        const QRgb p = picture.pixel(x, y);
        QVERIFY2(IsBlack(m) || IsWhite(m), qPrintable(QStringLiteral("mask grey at %1,%2").arg(x).arg(y)));
        QVERIFY2(IsBlack(m) == !IsBlack(p), qPrintable(QStringLiteral("mismatch at %1,%2").arg(x).arg(y)));
        drawn += IsBlack(m) ? 1 : 0;
      }
    }
    // The banner covers most of its picture but leaves a clear rim.
    const int area = mask.width() * mask.height();
    QVERIFY(drawn > area * 3 / 4);
    QVERIFY(drawn < area);
    QVERIFY(IsWhite(mask.pixel(0, 0)));
    QVERIFY(IsBlack(mask.pixel(mask.width() / 2, mask.height() / 2)));
  }

  // The faces are white cards with the suit in its colour; number cards of
  // the black suits carry no red at all.
  void faceColours() {
    for (int code = 1; code <= 52; ++code) {
      const int suit = (code - 1) / 13;
      const int rank = (code - 1) % 13 + 1;
      for (const QImage& face : {Load(CardFaceFile(code)), Load(BannerCardFaceFile(code))}) {
        QVERIFY(IsWhite(face.pixel(face.width() / 2, 2)));
        QVERIFY2(!IsWhite(face.pixel(0, 0)), "corners are rounded off");
        int red = 0;
        for (int y = 0; y < face.height(); ++y) {
          for (int x = 0; x < face.width(); ++x) red += IsStrongRed(face.pixel(x, y)) ? 1 : 0;
        }
        if (suit == 0 || suit == 2) {
          QVERIFY2(red > 10, CardFaceFile(code).c_str());
        } else if (rank <= 10) {
          QVERIFY2(red == 0, CardFaceFile(code).c_str());
        }
      }
    }
  }

  // The ten designs can be told apart, and each orientation is the upright
  // design turned.
  void cardBacks() {
    std::vector<QImage> upright;
    for (int kind = 0; kind < kCardBackKinds; ++kind) {
      const QImage card = Load(CardBackFile(kind, BackOrientation::Upright));
      QCOMPARE(Load(CardBackFile(kind, BackOrientation::UpsideDown)), card.transformed(QTransform().rotate(180)));
      QCOMPARE(Load(CardBackFile(kind, BackOrientation::Left)), card.transformed(QTransform().rotate(90)));
      QCOMPARE(Load(CardBackFile(kind, BackOrientation::Right)), card.transformed(QTransform().rotate(270)));
      upright.push_back(card);
    }
    for (int a = 0; a < kCardBackKinds; ++a) {
      for (int b = a + 1; b < kCardBackKinds; ++b) {
        long long difference = 0;
        for (int y = 0; y < kCardHeight; ++y) {
          for (int x = 0; x < kCardWidth; ++x) {
            const QRgb p = upright[static_cast<size_t>(a)].pixel(x, y);
            const QRgb q = upright[static_cast<size_t>(b)].pixel(x, y);
            difference += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
          }
        }
        // At least a mean difference of 40 levels per pixel.
        QVERIFY2(difference > 40LL * kCardWidth * kCardHeight, qPrintable(QStringLiteral("%1 vs %2").arg(a).arg(b)));
      }
    }
  }

  void sounds_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"WP_PRK.WAV", "WP_PRKG.WAV", "WP_INTL.WAV", "WP_TENOV.WAV", "WP_NAGAR.WAV",
                             "WP_GOVER.WAV", "WP_CARD.WAV"}) {
      QTest::newRow(name) << QString::fromLatin1(name);
    }
  }

  // RIFF WAVE, PCM, 16 bits, short, and not silent.
  void sounds() {
    QFETCH(QString, name);
    QFile file(QDir(ShareDir()).filePath(name));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() > 44);
    QCOMPARE(bytes.mid(0, 4), QByteArray("RIFF"));
    QCOMPARE(LittleEndian(bytes, 4, 4), static_cast<uint32_t>(bytes.size() - 8));
    QCOMPARE(bytes.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(LittleEndian(bytes, 20, 2), 1u);   // PCM
    QCOMPARE(LittleEndian(bytes, 34, 2), 16u);  // bits per sample
    const uint32_t channels = LittleEndian(bytes, 22, 2);
    const uint32_t rate = LittleEndian(bytes, 24, 4);
    QCOMPARE(bytes.mid(36, 4), QByteArray("data"));
    const uint32_t data_bytes = LittleEndian(bytes, 40, 4);
    QCOMPARE(data_bytes, static_cast<uint32_t>(bytes.size() - 44));
    const double seconds = static_cast<double>(data_bytes) / (rate * channels * 2);
    QVERIFY(seconds > 0.05);
    QVERIFY(seconds < 2.5);
    int peak = 0;
    for (int i = 44; i + 1 < bytes.size(); i += 2) {
      peak = std::max(peak, std::abs(static_cast<int16_t>(LittleEndian(bytes, i, 2))));
    }
    QVERIFY(peak > 8000);
    QVERIFY(peak < 32767);  // no clipping
  }

  void pieces_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : kOwnPieceFiles) QTest::newRow(name) << QString::fromLatin1(name);
  }

  // A Standard MIDI File of several tracks that a synthesizer reads to its
  // end: every chunk whole, every track closed, notes switched on and off in
  // pairs, and a length worth listening to.
  void pieces() {
    QFETCH(QString, name);
    QFile file(QDir(ShareDir()).filePath(name));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();
    const auto big = [&bytes](qsizetype at, int count) {
      uint32_t value = 0;
      for (int i = 0; i < count; ++i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
      return value;
    };
    QCOMPARE(bytes.left(4), QByteArray("MThd"));
    QCOMPARE(big(4, 4), 6u);
    QCOMPARE(big(8, 2), 1u);
    const uint32_t tracks = big(10, 2);
    const uint32_t ticks_per_beat = big(12, 2);
    QVERIFY(tracks >= 4);
    qsizetype at = 14;
    uint32_t micros_per_beat = 500000;
    uint32_t last_tick = 0;
    int notes_on = 0;
    for (uint32_t t = 0; t < tracks; ++t) {
      QCOMPARE(bytes.mid(at, 4), QByteArray("MTrk"));
      const qsizetype end = at + 8 + big(at + 4, 4);
      QVERIFY(end <= bytes.size());
      at += 8;
      uint32_t tick = 0;
      std::map<int, int> sounding;
      bool closed = false;
      while (at < end && !closed) {
        uint32_t delta = 0;
        uint8_t byte = 0;
        do {
          byte = static_cast<uint8_t>(bytes[at++]);
          delta = delta << 7 | (byte & 0x7F);
        } while ((byte & 0x80) != 0);
        tick += delta;
        const auto status = static_cast<uint8_t>(bytes[at++]);
        if (status == 0xFF) {
          const auto type = static_cast<uint8_t>(bytes[at++]);
          const auto length = static_cast<uint8_t>(bytes[at++]);
          if (type == 0x51) micros_per_beat = big(at, 3);
          closed = type == 0x2F;
          at += length;
        } else if ((status & 0xF0) == 0xC0) {
          at += 1;
        } else if ((status & 0xF0) == 0x90 || (status & 0xF0) == 0x80 || (status & 0xF0) == 0xB0) {
          const int key = (status & 0x0F) * 128 + static_cast<uint8_t>(bytes[at]);
          if ((status & 0xF0) == 0x90) {
            ++sounding[key];
            ++notes_on;
          }
          if ((status & 0xF0) == 0x80) --sounding[key];
          at += 2;
        } else {
          QFAIL("an event a player would not expect");
        }
      }
      QVERIFY(closed);
      QCOMPARE(at, end);
      for (const auto& [key, count] : sounding) QCOMPARE(count, 0);
      last_tick = std::max(last_tick, tick);
    }
    const double seconds = static_cast<double>(last_tick) / ticks_per_beat * micros_per_beat / 1e6;
    QCOMPARE(at, bytes.size());
    QVERIFY(notes_on > 100);
    QVERIFY2(seconds > 20 && seconds < 150, qPrintable(QString::number(seconds)));
  }

  // The help window opens the page at its contents.
  void helpWindow() {
    const std::string program_directory = (QDir(ShareDir()).absolutePath() + QStringLiteral("/")).toStdString();
    QWidget table;
    ShowHelpContents(&table, program_directory);
    auto* help = table.findChild<HelpWindow*>();
    QVERIFY(help);
    QCOMPARE(help->windowTitle(), QStringLiteral("ぴるく  - ヘルプ -"));
    QVERIFY(help->isVisible());
    const QString text = help->Browser->toPlainText();
    QVERIFY(text.contains(QStringLiteral("目次")));
    QVERIFY(text.contains(QStringLiteral("ぴるくがえし")));
    QVERIFY(text.contains(QStringLiteral("74点")));
    // A second request brings back the same window.
    ShowHelpContents(&table, program_directory);
    QCOMPARE(table.findChildren<HelpWindow*>().size(), 1);
    help->close();
  }

  // Every section a window opens its help at is on the page, and the help
  // window shows it.
  void helpSections() {
    const std::string program_directory = QDir(ShareDir()).absolutePath().toStdString();
    QFile page(HelpContentsPath(program_directory));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    for (const QString& section : {kHelpContents, kHelpRules, kHelpMembers}) {
      QVERIFY2(html.contains(QStringLiteral("name=\"%1\"").arg(section)), qPrintable(section));
      QWidget window;
      ShowHelpSection(&window, program_directory, section);
      auto* help = window.findChild<HelpWindow*>();
      QVERIFY(help != nullptr);
      QCOMPARE(help->Browser->source().fragment(), section);
      help->close();
    }
  }

  // A missing page is reported with its path and opens no window.
  void helpMissing() {
    QWidget table;
    QString shown;
    QTimer::singleShot(0, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        shown = box->text();
        box->accept();
      }
    });
    QVERIFY(test::RunToEnd([&] { ShowHelpContents(&table, "/nonexistent/winpiruk"); }));
    QCOMPARE(shown, QStringLiteral("「 /nonexistent/winpiruk/help/index.html 」というファイルが見つかりません。"));
    QCoreApplication::processEvents();
    QVERIFY(table.findChildren<HelpWindow*>().isEmpty() ||
            !table.findChild<HelpWindow*>()->isVisible());
  }
};

}  // namespace winpiruk

const bool kAdded = winpiruk::test::AddWindowSuite<winpiruk::DataFilesTest>();
#include "tst_data_files.moc"
