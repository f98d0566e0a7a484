// The table's pictures: the program's own unchanged files are drawn afresh at
// the pixel size asked for; the user's pictures are enlarged from the file.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QtTest>
#include <cmath>

#include "WindowSuites.h"
#include "artwork/Banners.h"
#include "artwork/CardFaces.h"
#include "artwork/Manifest.h"
#include "artwork/PictureFiles.h"
#include "support/TempDir.h"
#include "gui/common/CardPictures.h"

namespace winpiruk {
namespace {

QString ShareDir() { return qEnvironmentVariable("WINPIRUK_SHARE_DIR"); }

// The pixels alone, whatever pixel ratio the picture says it has.
QImage Rgb(const QImage& image) {
  QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
  pixels.setDevicePixelRatio(1.0);
  return pixels;
}
QImage Rgb(const QPixmap& pixmap) { return Rgb(pixmap.toImage()); }

// A copy of the program's pictures and their list in a scratch folder.
void CopyPictures(const std::string& to) {
  const QDir from(ShareDir());
  QStringList names = {QString::fromLatin1(artwork::kManifestFile)};
  for (const auto& file : artwork::ProgramPictureFiles()) names << QString::fromStdString(file.name);
  for (const QString& name : names) QVERIFY(QFile::copy(from.filePath(name), QDir(QString::fromStdString(to)).filePath(name)));
}

QImage Enlarged(const QString& file, double scale) {
  const QImage image(file);
  return image.scaled(static_cast<int>(std::lround(image.width() * scale)),
                      static_cast<int>(std::lround(image.height() * scale)), Qt::IgnoreAspectRatio,
                      Qt::SmoothTransformation);
}

// The ink a pixel shows, by name, so that a failure says what was seen.
QString Ink(const QColor& c) {
  if (c.red() > 150 && c.green() < 80 && c.blue() < 80) return QStringLiteral("red");
  if (c.red() < 70 && c.green() < 70 && c.blue() < 70) return QStringLiteral("black");
  if (c.blue() > 150 && c.red() < 80 && c.green() < 120) return QStringLiteral("blue");
  if (c.green() > 100 && c.red() < 60 && c.blue() < 100) return QStringLiteral("green");
  return c.name();
}

// The ink at a point given in the picture's own units (its file's pixels).
QString InkAt(const QPixmap& picture, QPointF point, double scale) {
  const QImage pixels = Rgb(picture);
  return Ink(pixels.pixelColor(static_cast<int>(point.x() * scale), static_cast<int>(point.y() * scale)));
}

struct Missing {
  QStringList calls;
  CardPictures::MissingHandler Handler() {
    return [this](const QString& path, const QString& routine) { calls << path + QStringLiteral("#") + routine; };
  }
};

}  // namespace

class CardPicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY2(!ShareDir().isEmpty(), "WINPIRUK_SHARE_DIR is not set"); }

  // In the program's own folder, unchanged: drawn at the size asked for.
  void ownUnchangedPicturesAreDrawn() {
    test::TempDir own;
    CopyPictures(own.path());
    Settings settings;
    settings.DataFileDirectory = own.path();
    CardPictures pictures(settings, {}, QString::fromStdString(own.path()));
    pictures.SetScale(2.5, 1.0);
    QCOMPARE(Rgb(pictures.Face(24)), Rgb(artwork::DrawCardFace(24, 2.5)));
    QCOMPARE(Rgb(pictures.Back(4, BackOrientation::Right, routine::kRightBacks)),
             Rgb(artwork::DrawPictureFile(CardBackFile(4, BackOrientation::Right), 2.5)));
    QCOMPARE(Rgb(pictures.Arrow(1, -1)), Rgb(KeyOutCornerColour(artwork::DrawPictureFile(ArrowFile(1, -1), 2.5))));
    const artwork::Banner banner = artwork::DrawBanner(true, true, 2.5);
    QCOMPARE(Rgb(pictures.Banner(true, 3)), Rgb(ComposeMaskedPicture(banner.picture, banner.mask)));
    // At the file's own size the file is shown as it is.
    pictures.SetScale(1.0, 1.0);
    QCOMPARE(Rgb(pictures.Face(24)), Rgb(QImage(QString::fromStdString(own.File(CardFaceFile(24))))));
  }

  // A changed file, any other folder, or no list: the file, enlarged.
  void userPicturesAreEnlarged_data() {
    QTest::addColumn<QString>("case_name");
    for (const char* name : {"changed file", "other folder", "no list"}) QTest::newRow(name) << QString::fromLatin1(name);
  }

  void userPicturesAreEnlarged() {
    QFETCH(QString, case_name);
    test::TempDir own;
    test::TempDir other;
    CopyPictures(own.path());
    CopyPictures(other.path());
    std::string folder = own.path();
    const std::string face = CardFaceFile(24);
    if (case_name == QStringLiteral("changed file")) {
      // The user drew over one picture: it is another face now.
      QVERIFY(QFile::remove(QString::fromStdString(own.File(face))));
      QVERIFY(QFile::copy(QString::fromStdString(own.File(CardFaceFile(30))), QString::fromStdString(own.File(face))));
    } else if (case_name == QStringLiteral("other folder")) {
      folder = other.path();
    } else {
      QVERIFY(QFile::remove(QString::fromStdString(own.File(artwork::kManifestFile))));
    }
    Settings settings;
    settings.DataFileDirectory = folder;
    CardPictures pictures(settings, {}, QString::fromStdString(own.path()));
    pictures.SetScale(1.5, 2.0);
    const QPixmap& shown = pictures.Face(24);
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    QCOMPARE(Rgb(shown), Rgb(Enlarged(QString::fromStdString(folder + "/" + face), 3.0)));
    // The unchanged pictures beside a changed one are still drawn.
    if (case_name == QStringLiteral("changed file")) QCOMPARE(Rgb(pictures.Face(25)), Rgb(artwork::DrawCardFace(25, 3.0)));
  }

  // A window maximised and restored finds its pictures again; the sizes an
  // edge was dragged through are let go.
  void keepsThePreviousScaleOnly() {
    Settings settings;
    settings.DataFileDirectory = ShareDir().toStdString();
    CardPictures pictures(settings, {}, ShareDir());
    pictures.SetScale(1.0, 1.0);
    const qint64 small = pictures.Face(3).cacheKey();
    pictures.SetScale(2.0, 1.0);
    const qint64 large = pictures.Face(3).cacheKey();
    pictures.SetScale(1.0, 1.0);
    QCOMPARE(pictures.Face(3).cacheKey(), small);
    for (double zoom : {1.1, 1.2, 1.3}) {
      pictures.SetScale(zoom, 1.0);
      pictures.Face(3);
    }
    pictures.SetScale(2.0, 1.0);
    QVERIFY(pictures.Face(3).cacheKey() != large);
    QCOMPARE(pictures.Face(3).size(), QSize(2 * kCardWidth, 2 * kCardHeight));
  }

  // The four-colour deck: diamonds blue and clubs green on every kind of
  // face, at the files' own size and larger; back to two colours, red and
  // black again. The pictures already handed out do not linger.
  void fourColourFacesAreDrawn_data() {
    QTest::addColumn<double>("scale");
    QTest::addColumn<bool>("banner");
    QTest::addColumn<int>("code");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<QString>("two_colour");
    QTest::addColumn<QString>("four_colour");
    const QPointF index_pip = artwork::TableFaceIndex().suit.center();
    // The club's top lobe: its middle is where its three lobes meet, thin at 1×.
    const QPointF index_lobe = index_pip - QPointF(0, 0.265 * artwork::TableFaceIndex().suit.height());
    const QPointF ace(kCardWidth / 2.0, kCardHeight / 2.0);
    const QPointF banner_ace(17.5, 22);
    const QPointF king_chest(21, 26.3);  // the pip on the upper figure's tabard
    for (double scale : {1.0, 3.0}) {
      const auto row = [scale](const char* name) {
        return &QTest::addRow("%s at %gx", name, scale);
      };
      *row("ace of diamonds") << scale << false << 27 << ace << "red" << "blue";
      *row("seven of diamonds, index") << scale << false << 33 << index_pip << "red" << "blue";
      *row("king of diamonds, chest") << scale << false << 39 << king_chest << "red" << "blue";
      *row("ace of clubs") << scale << false << 40 << ace << "black" << "green";
      *row("seven of clubs, index") << scale << false << 46 << index_lobe << "black" << "green";
      *row("banner ace of diamonds") << scale << true << 27 << banner_ace << "red" << "blue";
      *row("banner ace of clubs") << scale << true << 40 << banner_ace << "black" << "green";
      *row("ace of hearts") << scale << false << 1 << ace << "red" << "red";
      *row("ace of spades") << scale << false << 14 << ace << "black" << "black";
    }
  }
  void fourColourFacesAreDrawn() {
    QFETCH(double, scale);
    QFETCH(bool, banner);
    QFETCH(int, code);
    QFETCH(QPointF, point);
    QFETCH(QString, two_colour);
    QFETCH(QString, four_colour);
    test::TempDir own;
    CopyPictures(own.path());
    Settings settings;
    settings.DataFileDirectory = own.path();
    CardPictures pictures(settings, {}, QString::fromStdString(own.path()));
    pictures.SetScale(scale, 1.0);
    const auto shown = [&] { return banner ? pictures.BannerFace(code) : pictures.Face(code); };
    QCOMPARE(InkAt(shown(), point, scale), two_colour);
    pictures.SetDeckColours(artwork::DeckColours::FourColour);
    QCOMPARE(InkAt(shown(), point, scale), four_colour);
    const QImage drawn = banner ? artwork::DrawBannerCardFace(code, scale, artwork::DeckColours::FourColour)
                                : artwork::DrawCardFace(code, scale, artwork::DeckColours::FourColour);
    QCOMPARE(Rgb(shown()), Rgb(drawn));
    pictures.SetDeckColours(artwork::DeckColours::TwoColour);
    QCOMPARE(InkAt(shown(), point, scale), two_colour);
  }

  // The user's pictures are theirs: the four-colour deck changes none of them.
  void fourColoursLeaveTheUsersPicturesAlone_data() {
    QTest::addColumn<double>("scale");
    QTest::addColumn<bool>("changed_file");
    for (double scale : {1.0, 3.0}) {
      QTest::addRow("other folder at %gx", scale) << scale << false;
      QTest::addRow("changed file at %gx", scale) << scale << true;
    }
  }
  void fourColoursLeaveTheUsersPicturesAlone() {
    QFETCH(double, scale);
    QFETCH(bool, changed_file);
    test::TempDir own;
    test::TempDir other;
    CopyPictures(own.path());
    CopyPictures(other.path());
    const std::string face = CardFaceFile(27);
    std::string folder = other.path();
    if (changed_file) {
      // The user's own ace of diamonds in the program's folder.
      const QString path = QString::fromStdString(own.File(face));
      QImage mine(path);
      mine.setPixelColor(1, 1, Qt::magenta);
      QVERIFY(QFile::remove(path));
      QVERIFY(mine.save(path, "BMP"));
      folder = own.path();
    }
    Settings settings;
    settings.DataFileDirectory = folder;
    CardPictures pictures(settings, {}, QString::fromStdString(own.path()));
    pictures.SetScale(scale, 1.0);
    pictures.SetDeckColours(artwork::DeckColours::FourColour);
    const QString file = QString::fromStdString(folder + "/" + face);
    QCOMPARE(Rgb(pictures.Face(27)), Rgb(Enlarged(file, scale)));
    QCOMPARE(InkAt(pictures.Face(27), QPointF(kCardWidth / 2.0, kCardHeight / 2.0), scale), QStringLiteral("red"));
  }

  // A missing file goes to the handler with its path and routine number, as
  // it always has, whether or not the folder is the program's own.
  void missingPicturesGoToTheHandler() {
    test::TempDir own;
    CopyPictures(own.path());
    QVERIFY(QFile::remove(QString::fromStdString(own.File(CardFaceFile(7)))));
    QVERIFY(QFile::remove(QString::fromStdString(own.File(BannerFile(false, 0, true)))));
    Settings settings;
    settings.DataFileDirectory = own.path();
    Missing missing;
    CardPictures pictures(settings, missing.Handler(), QString::fromStdString(own.path()));
    pictures.SetScale(2.0, 1.0);
    QVERIFY(pictures.Face(7, routine::kTopFaces).isNull());
    QVERIFY(pictures.Banner(false, 2).isNull());
    QCOMPARE(missing.calls, QStringList({QString::fromStdString(own.File(CardFaceFile(7))) + "#9",
                                         QString::fromStdString(own.File(BannerFile(false, 0, true))) + "#2"}));
  }
};

}  // namespace winpiruk

const bool kAdded = winpiruk::test::AddWindowSuite<winpiruk::CardPicturesTest>();
#include "tst_card_pictures.moc"
