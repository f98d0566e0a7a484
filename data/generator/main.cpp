// Makes the program's own pictures and effect sounds into its share
// directory, and optionally a contact sheet of every picture.
//
//   winpiruk_datagen <share directory> [<contact sheet.png> [<enlarged sheet.png>]]
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>

#include "Arrows.h"
#include "Banners.h"
#include "CardBacks.h"
#include "CardFaces.h"
#include "ContactSheet.h"
#include "Sounds.h"
#include "presentation/PictureNames.h"

namespace {

using winpiruk::datagen::NamedPicture;

bool SaveBitmap(const QDir& dir, const std::string& name, const QImage& image) {
  const QString path = dir.filePath(QString::fromStdString(name));
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
    std::fprintf(stderr, "usage: winpiruk_datagen <share directory> [<contact sheet.png> [<enlarged sheet.png>]]\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(dir.path())) {
    std::fprintf(stderr, "winpiruk_datagen: cannot create %s\n", argv[1]);
    return 1;
  }

  std::vector<std::vector<NamedPicture>> groups;
  auto add = [&](std::vector<NamedPicture>& group, const std::string& name, const QImage& image) {
    group.push_back({QString::fromStdString(name), image});
    return SaveBitmap(dir, name, image);
  };
  bool ok = true;

  std::vector<NamedPicture> faces, small_faces, backs, arrows, banners, shown;
  for (int code = 1; code <= 52; ++code) {
    ok &= add(faces, winpiruk::CardFaceFile(code), winpiruk::datagen::DrawCardFace(code));
    ok &= add(small_faces, winpiruk::BannerCardFaceFile(code), winpiruk::datagen::DrawBannerCardFace(code));
  }
  for (int kind = 0; kind < winpiruk::kCardBackKinds; ++kind) {
    for (auto orientation : {winpiruk::BackOrientation::Upright, winpiruk::BackOrientation::UpsideDown,
                             winpiruk::BackOrientation::Left, winpiruk::BackOrientation::Right}) {
      ok &= add(backs, winpiruk::CardBackFile(kind, orientation),
                winpiruk::datagen::DrawCardBack(kind, orientation));
    }
  }
  for (int direction : {1, -1}) {
    for (int seat = 0; seat < 4; ++seat) {
      ok &= add(arrows, winpiruk::ArrowFile(seat, direction), winpiruk::datagen::DrawArrow(seat, direction));
    }
  }
  for (bool counter_call : {false, true}) {
    for (int seat : {0, 1}) {
      const auto banner = winpiruk::datagen::DrawBanner(counter_call, seat == 1);
      ok &= add(banners, winpiruk::BannerFile(counter_call, seat, false), banner.picture);
      ok &= add(banners, winpiruk::BannerFile(counter_call, seat, true), banner.mask);
      shown.push_back({QStringLiteral("(on the table)"), winpiruk::datagen::MaskedOnFelt(banner, seat == 1)});
    }
  }
  for (const auto& effect : winpiruk::datagen::SynthesiseEffects()) {
    ok &= SaveBytes(dir, effect.file_name, winpiruk::datagen::WaveFileBytes(effect.samples));
  }
  if (!ok) return 1;

  if (argc >= 3) {
    groups = {faces, small_faces, backs, arrows, banners, shown};
    if (!winpiruk::datagen::ContactSheet(groups).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
      std::fprintf(stderr, "winpiruk_datagen: cannot write %s\n", argv[2]);
      return 1;
    }
  }
  if (argc >= 4) {
    // A few of each kind, three times their size, for the details.
    auto pick = [](const std::vector<NamedPicture>& from, std::initializer_list<size_t> which) {
      std::vector<NamedPicture> out;
      for (size_t i : which) out.push_back(from[i]);
      return out;
    };
    const std::vector<std::vector<NamedPicture>> close_up = {
        pick(faces, {0, 9, 10, 11, 12, 13, 26, 33, 38, 39, 47, 50}),
        pick(small_faces, {0, 9, 10, 11, 12, 13, 26, 33, 38, 39, 47, 50}),
        pick(backs, {0, 2, 4, 8, 12, 16, 20, 24, 28, 32, 36, 37, 38, 39}),
        arrows,
    };
    if (!winpiruk::datagen::ContactSheet(close_up, 3).save(QString::fromLocal8Bit(argv[3]), "PNG")) {
      std::fprintf(stderr, "winpiruk_datagen: cannot write %s\n", argv[3]);
      return 1;
    }
  }
  return 0;
}
