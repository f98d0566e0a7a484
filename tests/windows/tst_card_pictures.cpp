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
