// Makes the program's own pictures, effect sounds and music into its share
// directory, with the list of the pictures' hashes, and optionally contact
// sheets of the pictures.
//
//   winpiruk_datagen <share directory> [<contact sheet.png> [<3× sheet.png> [<courts.png>
//                    [<four-colour sheet.png> [<four-colour 3× sheet.png>]]]]]
//
// The 3× sheet shows the pictures as the program draws them three times as
// large; the courts sheet shows the spade and club court cards side by side
// at their file size, each pixel enlarged. The four-colour sheets show the
// faces as the program draws them for its four-colour deck, at the files'
// size and three times as large.
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>

#include "ContactSheet.h"
#include "Pieces.h"
#include "Sounds.h"
#include "artwork/Arrows.h"
#include "artwork/Banners.h"
#include "artwork/CardBacks.h"
#include "artwork/CardFaces.h"
#include "artwork/Manifest.h"
#include "presentation/PictureNames.h"

namespace {

using winpiruk::datagen::NamedPicture;
using Groups = std::vector<std::vector<NamedPicture>>;
namespace artwork = winpiruk::artwork;

bool SaveBitmap(const QDir& dir, const QString& name, const QImage& image) {
  const QString path = dir.filePath(name);
  if (image.isNull() || !image.save(path, "BMP")) {
    std::fprintf(stderr, "winpiruk_datagen: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool SaveBytes(const QDir& dir, const std::string& name, const std::vector<uint8_t>& bytes) {
  QFile file(dir.filePath(QString::fromStdString(name)));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size())) {
    std::fprintf(stderr, "winpiruk_datagen: cannot write %s\n", qPrintable(file.fileName()));
    return false;
  }
  return true;
}

bool SaveSheet(const QImage& sheet, const char* path) {
  if (sheet.save(QString::fromLocal8Bit(path), "PNG")) return true;
  std::fprintf(stderr, "winpiruk_datagen: cannot write %s\n", path);
  return false;
}

void Add(std::vector<NamedPicture>& group, const std::string& name, const QImage& image) {
  group.push_back({QString::fromStdString(name), image});
}

// Every picture file, in groups of a kind: faces, banner faces, backs,
// arrows, banners.
Groups DrawPictures() {
  Groups groups(5);
  for (int code = 1; code <= 52; ++code) {
    Add(groups[0], winpiruk::CardFaceFile(code), artwork::DrawCardFace(code));
    Add(groups[1], winpiruk::BannerCardFaceFile(code), artwork::DrawBannerCardFace(code));
  }
  for (int kind = 0; kind < winpiruk::kCardBackKinds; ++kind) {
    for (auto orientation : {winpiruk::BackOrientation::Upright, winpiruk::BackOrientation::UpsideDown,
                             winpiruk::BackOrientation::Left, winpiruk::BackOrientation::Right}) {
      Add(groups[2], winpiruk::CardBackFile(kind, orientation), artwork::DrawCardBack(kind, orientation));
    }
  }
  for (int direction : {1, -1}) {
    for (int seat = 0; seat < 4; ++seat) {
      Add(groups[3], winpiruk::ArrowFile(seat, direction), artwork::DrawArrow(seat, direction));
    }
  }
  for (bool counter_call : {false, true}) {
    for (int seat : {0, 1}) {
      const auto banner = artwork::DrawBanner(counter_call, seat == 1);
      Add(groups[4], winpiruk::BannerFile(counter_call, seat, false), banner.picture);
      Add(groups[4], winpiruk::BannerFile(counter_call, seat, true), banner.mask);
    }
  }
  return groups;
}

bool WritePictures(const QDir& dir, const Groups& groups) {
  bool ok = true;
  QStringList names;
  for (const auto& group : groups) {
    for (const NamedPicture& picture : group) {
      ok &= SaveBitmap(dir, picture.name, picture.image);
      names << picture.name;
    }
  }
  // The list that tells the program these files are still its own drawings.
  if (ok && !artwork::WriteManifest(dir.path(), names)) {
    std::fprintf(stderr, "winpiruk_datagen: cannot write the list of pictures\n");
    ok = false;
  }
  for (const auto& effect : winpiruk::datagen::SynthesiseEffects()) {
    ok &= SaveBytes(dir, effect.file_name, winpiruk::datagen::WaveFileBytes(effect.samples));
  }
  for (const auto& piece : winpiruk::datagen::ComposePieces()) ok &= SaveBytes(dir, piece.file_name, piece.bytes);
  return ok;
}

std::vector<NamedPicture> ShownBanners() {
  std::vector<NamedPicture> shown;
  for (bool counter_call : {false, true}) {
    for (bool vertical : {false, true}) {
      shown.push_back({QStringLiteral("(on the table)"),
                       winpiruk::datagen::MaskedOnFelt(artwork::DrawBanner(counter_call, vertical), vertical)});
    }
  }
  return shown;
}

// Every court card, the aces and a few others, as the program draws them
// three times as large.
Groups ThreeTimes() {
  constexpr double kScale = 3.0;
  Groups groups(4);
  for (int code : {1, 14, 27, 40, 10, 23, 36, 49}) Add(groups[0], winpiruk::CardFaceFile(code), artwork::DrawCardFace(code, kScale));
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 11; rank <= 13; ++rank) {
      const int code = suit * 13 + rank;
      Add(groups[1], winpiruk::CardFaceFile(code), artwork::DrawCardFace(code, kScale));
      Add(groups[2], winpiruk::BannerCardFaceFile(code), artwork::DrawBannerCardFace(code, kScale));
    }
  }
  for (int kind : {0, 3, 5, 8}) {
    Add(groups[3], winpiruk::CardBackFile(kind, winpiruk::BackOrientation::Upright),
        artwork::DrawCardBack(kind, winpiruk::BackOrientation::Upright, kScale));
  }
  for (int seat = 0; seat < 4; ++seat) Add(groups[3], winpiruk::ArrowFile(seat, 1), artwork::DrawArrow(seat, 1, kScale));
  return groups;
}

// The spade and club courts at their file size, side by side.
Groups SpadeAndClubCourts(const std::vector<NamedPicture>& faces) {
  Groups groups(2);
  for (int rank = 11; rank <= 13; ++rank) {
    groups[0].push_back(faces[static_cast<size_t>(13 + rank - 1)]);
    groups[0].push_back(faces[static_cast<size_t>(39 + rank - 1)]);
  }
  return groups;
}

// Every face and banner face of the four-colour deck drawn `scale` times as
// large, a suit to a row, each beside its two-colour face for comparison.
Groups FourColourDeck(double scale) {
  using artwork::DeckColours;
  Groups groups;
  for (int suit = 0; suit < 4; ++suit) {
    std::vector<NamedPicture> faces;
    std::vector<NamedPicture> banner_faces;
    for (int rank = 1; rank <= 13; ++rank) {
      const int code = suit * 13 + rank;
      Add(faces, winpiruk::CardFaceFile(code), artwork::DrawCardFace(code, scale, DeckColours::FourColour));
      Add(banner_faces, winpiruk::BannerCardFaceFile(code),
          artwork::DrawBannerCardFace(code, scale, DeckColours::FourColour));
    }
    groups.push_back(std::move(faces));
    groups.push_back(std::move(banner_faces));
  }
  // The two-colour diamonds and clubs, to compare.
  std::vector<NamedPicture> before;
  for (int code : {27, 37, 38, 39, 40, 50, 51, 52}) {
    Add(before, "(2) " + winpiruk::CardFaceFile(code), artwork::DrawCardFace(code, scale));
  }
  groups.push_back(std::move(before));
  return groups;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Pictures are drawn off screen; no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  for (const char* family : {"DejaVu Sans", "DejaVu Sans Condensed", "IPAGothic"}) {
    if (!QFontDatabase::hasFamily(QString::fromLatin1(family))) {
      std::fprintf(stderr, "winpiruk_datagen: font %s not found; a substitute is used\n", family);
    }
  }
  if (argc < 2) {
    std::fprintf(stderr,
                 "usage: winpiruk_datagen <share directory> [<sheet.png> [<3x sheet.png> [<courts.png> "
                 "[<four-colour sheet.png> [<four-colour 3x sheet.png>]]]]]\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(dir.path())) {
    std::fprintf(stderr, "winpiruk_datagen: cannot create %s\n", argv[1]);
    return 1;
  }
  Groups groups = DrawPictures();
  if (!WritePictures(dir, groups)) return 1;
  bool ok = true;
  if (argc >= 7) ok &= SaveSheet(winpiruk::datagen::ContactSheet(FourColourDeck(3.0)), argv[6]);
  if (argc >= 6) ok &= SaveSheet(winpiruk::datagen::ContactSheet(FourColourDeck(1.0), 2), argv[5]);
  if (argc >= 5) ok &= SaveSheet(winpiruk::datagen::ContactSheet(SpadeAndClubCourts(groups[0]), 4), argv[4]);
  if (argc >= 4) ok &= SaveSheet(winpiruk::datagen::ContactSheet(ThreeTimes()), argv[3]);
  if (argc >= 3) {
    groups.push_back(ShownBanners());
    ok &= SaveSheet(winpiruk::datagen::ContactSheet(groups), argv[2]);
  }
  return ok ? 0 : 1;
}
