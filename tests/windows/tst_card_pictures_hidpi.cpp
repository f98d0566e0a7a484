// On a screen of twice the pixel density the cards are drawn with twice the
// pixels, not enlarged from the file's picture.
#include <QApplication>
#include <QLabel>
#include <QtTest>

#include "WindowSuites.h"
#include "artwork/CardFaces.h"
#include "gui/scoring/HandResultDialog.h"
#include "state/GameState.h"
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

QImage FileEnlarged(int code) {
  const QImage file(ShareDir() + QStringLiteral("/") + QString::fromStdString(CardFaceFile(code)));
  return Rgb(file.scaled(file.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

}  // namespace

class HiDpiPicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY2(!ShareDir().isEmpty(), "WINPIRUK_SHARE_DIR is not set");
    QWidget probe;
    QCOMPARE(probe.devicePixelRatioF(), 2.0);
  }

  // The table's pictures at the zoom of the design size on this screen.
  void tableCardsHaveTwiceThePixels() {
    Settings settings;
    settings.DataFileDirectory = ShareDir().toStdString();
    CardPictures pictures(settings, {}, ShareDir());
    QWidget table;
    pictures.SetScale(1.0, table.devicePixelRatioF());
    for (int code : {1, 24, 38, 52}) {
      const QPixmap& face = pictures.Face(code);
      QCOMPARE(face.size(), QSize(2 * kCardWidth, 2 * kCardHeight));
      QCOMPARE(face.deviceIndependentSize(), QSizeF(kCardWidth, kCardHeight));
      const QImage shown = Rgb(face.toImage());
      QCOMPARE(shown, Rgb(artwork::DrawCardFace(code, 2.0)));
      QVERIFY(shown != FileEnlarged(code));
    }
  }

  // The hand result window's cards too.
  void handResultCardsHaveTwiceThePixels() {
    GameState state;
    state.settings.DataFileDirectory = ShareDir().toStdString();
    HandResultDialog window(state, HandResultView{}, [](const QString&, const QString&) {});
    const QPixmap picture = window.CardPicture(51);
    QCOMPARE(picture.size(), QSize(2 * kCardWidth, 2 * kCardHeight));
    QCOMPARE(Rgb(picture.toImage()), Rgb(artwork::DrawCardFace(51, 2.0)));
  }
};

}  // namespace winpiruk

const bool kAdded = winpiruk::test::AddWindowSuite<winpiruk::HiDpiPicturesTest>(
    winpiruk::test::SuiteApplication::kWidgetsAtTwiceDensity);
#include "tst_card_pictures_hidpi.moc"
