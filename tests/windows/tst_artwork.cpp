// The picture library: any picture at any scale, the files as its drawings
// at scale 1, and cards a player tells apart at the table's size.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <cmath>

#include "WindowSuites.h"
#include "artwork/AppIcon.h"
#include "artwork/CardFaces.h"
#include "artwork/PictureFiles.h"
#include "artwork/SuitShapes.h"
#include "presentation/PictureNames.h"

namespace winpiruk {
namespace {

QString ShareDir() { return qEnvironmentVariable("WINPIRUK_SHARE_DIR"); }

QImage Rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// Pixels that differ clearly, not by a shade of smoothing.
int DifferentPixels(const QImage& a, const QImage& b) {
  int different = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      const int distance = std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
      different += distance > 60;
    }
  }
  return different;
}

// Ink: a pixel well away from the card's white.
bool IsInk(QRgb c) { return 3 * 255 - qRed(c) - qGreen(c) - qBlue(c) > 200; }

// How many rows (or columns) of `box` hold ink.
int InkExtent(const QImage& image, const QRectF& box, bool rows) {
  const QRect pixels = box.toAlignedRect();
  int extent = 0;
  for (int i = rows ? pixels.top() : pixels.left(); i <= (rows ? pixels.bottom() : pixels.right()); ++i) {
    bool inked = false;
    for (int j = rows ? pixels.left() : pixels.top(); j <= (rows ? pixels.right() : pixels.bottom()); ++j) {
      inked |= IsInk(rows ? image.pixel(j, i) : image.pixel(i, j));
    }
    extent += inked;
  }
  return extent;
}

}  // namespace

class ArtworkTest : public QObject {
  Q_OBJECT

 private slots:
  void drawsAtAnyScale_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("scale");
    const std::string names[] = {CardFaceFile(1),  CardFaceFile(25), BannerCardFaceFile(52),
                                 CardBackFile(3, BackOrientation::Upright), CardBackFile(8, BackOrientation::Left),
                                 ArrowFile(2, -1), BannerFile(false, 0, false), BannerFile(true, 1, true)};
    for (const std::string& name : names) {
      for (double scale : {1.0, 1.25, 1.5, 2.0, 2.37, 3.0}) {
        QTest::addRow("%s x%g", name.c_str(), scale) << QString::fromStdString(name) << scale;
      }
    }
  }

  // round(size × scale) pixels, whatever the scale.
  void drawsAtAnyScale() {
    QFETCH(QString, name);
    QFETCH(double, scale);
    const QImage base = artwork::DrawPictureFile(name.toStdString(), 1.0);
    const QImage scaled = artwork::DrawPictureFile(name.toStdString(), scale);
    QVERIFY(!base.isNull());
    QCOMPARE(scaled.size(), QSize(static_cast<int>(std::lround(base.width() * scale)),
                                  static_cast<int>(std::lround(base.height() * scale))));
  }

  // At scale 1 every drawing is its file, pixel for pixel, so the program may
  // draw a file's picture afresh instead of enlarging it.
  void scaleOneIsTheFile() {
    QVERIFY2(!ShareDir().isEmpty(), "WINPIRUK_SHARE_DIR is not set");
    const auto files = artwork::ProgramPictureFiles();
    QCOMPARE(files.size(), size_t{52 * 2 + kCardBackKinds * 4 + 8 + 8});
    for (const auto& file : files) {
      const QImage on_disk(QDir(ShareDir()).filePath(QString::fromStdString(file.name)));
      QVERIFY2(Rgb(on_disk) == Rgb(file.draw(1.0, artwork::DeckColours::TwoColour)), file.name.c_str());
    }
    QVERIFY(artwork::DrawPictureFile("NotOurs.bmp", 2.0).isNull());
  }

  // Twelve court cards, twelve pictures; a spade and a club court of one rank
  // differ all over, not in a pip.
  void courtCardsDiffer() {
    std::vector<QImage> courts;
    for (int suit = 0; suit < 4; ++suit) {
      for (int rank = 11; rank <= 13; ++rank) courts.push_back(Rgb(artwork::DrawCardFace(suit * 13 + rank)));
    }
    for (size_t a = 0; a < courts.size(); ++a) {
      for (size_t b = a + 1; b < courts.size(); ++b) QVERIFY2(courts[a] != courts[b], qPrintable(QString("%1 %2").arg(a).arg(b)));
    }
    const int card_pixels = kCardWidth * kCardHeight;
    for (int rank = 11; rank <= 13; ++rank) {
      const int different = DifferentPixels(courts[static_cast<size_t>(3 + rank - 11)],
                                            courts[static_cast<size_t>(9 + rank - 11)]);
      QVERIFY2(different > card_pixels / 5, qPrintable(QString("rank %1: %2 pixels").arg(rank).arg(different)));
    }
  }

  // The index reads at the table's size: rank and suit each stand at least a
  // quarter of the card's width (less the half pixel smoothing softens).
  void indicesAreLarge() {
    const artwork::IndexBoxes index = artwork::TableFaceIndex();
    const int least = kCardWidth / 4;
    for (int code = 1; code <= 52; ++code) {
      const QImage face = Rgb(artwork::DrawCardFace(code));
      const int rank_height = InkExtent(face, index.rank.adjusted(0, -1, 0, 1), true);
      const int suit_width = InkExtent(face, index.suit, false);
      const int suit_height = InkExtent(face, index.suit, true);
      QVERIFY2(rank_height >= least && suit_width >= least && suit_height >= least,
               qPrintable(QString("card %1: rank %2, suit %3 × %4").arg(code).arg(rank_height).arg(suit_width).arg(suit_height)));
    }
  }

  // A spade and a club as small as the index's differ in more than a few
  // pixels: the one's point and the other's lobes.
  // At every size of the icon theme the fan's front card shows its heart:
  // red pixels inside, transparent corners outside.
  void appIconAtEverySize() {
    for (const int size : artwork::kAppIconSizes) {
      const QImage icon = artwork::AppIconImage(size).convertToFormat(QImage::Format_ARGB32);
      QCOMPARE(icon.size(), QSize(size, size));
      QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
      int red = 0;
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
          const QRgb c = icon.pixel(x, y);
          if (qAlpha(c) == 255 && qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 90) ++red;
        }
      }
      QVERIFY2(red >= size * size / 40, qPrintable(QStringLiteral("size %1: %2 red pixels").arg(size).arg(red)));
    }
  }

  void spadeAndClubDifferSmall() {
    auto pip = [](int suit) {
      QImage image(11, 12, QImage::Format_RGB32);
      image.fill(Qt::white);
      QPainter p(&image);
      p.setRenderHint(QPainter::Antialiasing);
      artwork::DrawPip(p, suit, QRectF(0, 0, 11, 12));
      return image;
    };
    QVERIFY(DifferentPixels(pip(1), pip(3)) >= 12);
  }
};

}  // namespace winpiruk

const bool kAdded = winpiruk::test::AddWindowSuite<winpiruk::ArtworkTest>();
#include "tst_artwork.moc"
