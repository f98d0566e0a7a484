#include "gui/common/CardPictures.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "artwork/Banners.h"
#include "artwork/Manifest.h"
#include "artwork/PictureFiles.h"
#include "config/ProgramPaths.h"
#include "gui/common/Language.h"

namespace winpiruk {

QString MissingPictureText(const QString& path, const QString& routine_number) {
  return QCoreApplication::translate("CardPictures", "「 %1(#%2) 」というファイルが見つかりません。").arg(path, routine_number);
}

QString ProgramPictureDirectory() {
  return QString::fromStdString(LocateProgramPaths(QCoreApplication::applicationDirPath().toStdString()).program_directory);
}

CardPictures::CardPictures(const Settings& settings, MissingHandler on_missing, const QString& own_directory)
    : settings_(settings),
      on_missing_(std::move(on_missing)),
      own_directory_(own_directory.isEmpty() ? QString() : QFileInfo(own_directory).canonicalFilePath()) {}

void CardPictures::SetScale(double zoom, double device_pixel_ratio) {
  const QString before = ScaleSuffix();
  zoom_ = zoom > 0 ? zoom : 1.0;
  device_pixel_ratio_ = device_pixel_ratio > 0 ? device_pixel_ratio : 1.0;
  const QString now = ScaleSuffix();
  if (now == before) return;
  cache_.removeIf([&](const auto& entry) {
    return !entry.key().endsWith(now) && !entry.key().endsWith(before);
  });
}

void CardPictures::SetDeckColours(artwork::DeckColours colours) {
  if (colours == deck_colours_) return;
  deck_colours_ = colours;
  // Every face may change; the rest is cheap to make again.
  cache_.clear();
}

QString CardPictures::ScaleSuffix() const {
  return QStringLiteral("@") + QString::number(zoom_ * device_pixel_ratio_, 'g', 6) + QStringLiteral("/") +
         QString::number(device_pixel_ratio_, 'g', 6);
}

QString CardPictures::CacheKey(const QString& what) const { return what + ScaleSuffix(); }

bool CardPictures::IsOwnDrawing(const QString& path, const QString& name, const QByteArray& bytes) {
  const QString folder = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
  if (own_directory_.isEmpty() || folder != own_directory_) return false;
  auto manifest = manifests_.constFind(folder);
  if (manifest == manifests_.constEnd()) manifest = manifests_.insert(folder, artwork::ReadManifest(folder));
  // Without a list, or with another hash, the file is the user's.
  const auto listed = manifest->constFind(name);
  return listed != manifest->constEnd() && *listed == artwork::ContentHash(bytes);
}

CardPictures::Source CardPictures::LoadSource(const std::string& name, const char* routine_number) {
  const QString path = QString::fromStdString(DataFilePath(settings_, name));
  QFile file(path);
  Source source;
  if (!name.empty() && file.open(QIODevice::ReadOnly)) {
    const QByteArray bytes = file.readAll();
    source.image = QImage::fromData(bytes);
    if (!source.image.isNull()) source.ours = IsOwnDrawing(path, QString::fromStdString(name), bytes);
  }
  if (source.image.isNull() && on_missing_) on_missing_(path, QString::fromLatin1(routine_number));
  return source;
}

CardPictures::Source CardPictures::Original(const std::string& name, const char* routine_number,
                                            Preparation preparation) {
  const QString key = (preparation == Preparation::KeyedOut ? QStringLiteral("keyed:") : QString()) +
                      QString::fromStdString(DataFilePath(settings_, name));
  if (auto found = originals_.constFind(key); found != originals_.constEnd()) return *found;
  Source source = LoadSource(name, routine_number);
  if (source.image.isNull()) return source;
  if (preparation == Preparation::KeyedOut) source.image = KeyOutCornerColour(source.image);
  originals_.insert(key, source);
  return source;
}

const QPixmap& CardPictures::Scaled(const QString& key, const Source& source, const Drawing& drawing,
                                    bool file_as_is) {
  const double pixel_scale = zoom_ * device_pixel_ratio_;
  const QSize pixels(std::max(1, static_cast<int>(std::lround(source.image.width() * pixel_scale))),
                     std::max(1, static_cast<int>(std::lround(source.image.height() * pixel_scale))));
  QImage image;
  if (pixel_scale == 1.0 && file_as_is) {
    image = source.image;
  } else if (source.ours) {
    image = drawing(pixel_scale);
  }
  // The user's pictures, and anything the drawing cannot make at that size,
  // are enlarged from the file.
  if (image.size() != pixels) image = source.image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(device_pixel_ratio_);
  return *cache_.insert(key, pixmap);
}

const QPixmap& CardPictures::Load(const std::string& name, const char* routine_number, Preparation preparation) {
  const bool keyed = preparation == Preparation::KeyedOut;
  const QString key = CacheKey((keyed ? QStringLiteral("keyed:") : QString()) +
                               QString::fromStdString(DataFilePath(settings_, name)));
  if (auto found = cache_.constFind(key); found != cache_.constEnd()) return *found;
  const Source original = Original(name, routine_number, preparation);
  if (original.image.isNull()) return empty_;
  const artwork::DeckColours colours = deck_colours_;
  // The file holds the two-colour face: another deck is drawn at any size.
  const bool recoloured = colours != artwork::DeckColours::TwoColour && artwork::IsCardFaceFile(name);
  return Scaled(
      key, original,
      [&name, keyed, colours](double scale) {
        const QImage drawn = artwork::DrawPictureFile(name, scale, colours);
        return keyed ? KeyOutCornerColour(drawn) : drawn;
      },
      !recoloured);
}

const QPixmap& CardPictures::Face(int code, const char* routine_number) {
  return Load(CardFaceFile(code), routine_number);
}

const QPixmap& CardPictures::BannerFace(int code) { return Load(BannerCardFaceFile(code), routine::kBannerFaces); }

const QPixmap& CardPictures::Back(int card_kind, BackOrientation orientation, const char* routine_number) {
  return Load(CardBackFile(card_kind, orientation), routine_number);
}

const QPixmap& CardPictures::Arrow(int seat, int direction) {
  return Load(ArrowFile(seat, direction), routine::kArrow, Preparation::KeyedOut);
}

const QPixmap& CardPictures::Banner(bool counter_call, int calling_seat) {
  const std::string picture_name = BannerFile(counter_call, calling_seat, false);
  const QString original_key = QStringLiteral("composed:") + QString::fromStdString(DataFilePath(settings_, picture_name));
  const QString key = CacheKey(original_key);
  if (auto found = cache_.constFind(key); found != cache_.constEnd()) return *found;
  auto original = originals_.constFind(original_key);
  if (original == originals_.constEnd()) {
    const char* number = counter_call ? routine::kCounterCallBanner : routine::kCallBanner;
    const Source mask = LoadSource(BannerFile(counter_call, calling_seat, true), number);
    const Source picture = LoadSource(picture_name, number);
    if (mask.image.isNull() || picture.image.isNull()) return empty_;
    original = originals_.insert(original_key,
                                 {ComposeMaskedPicture(picture.image, mask.image), mask.ours && picture.ours});
  }
  const bool vertical = calling_seat == 1 || calling_seat == 3;
  // The program's files carry the Japanese words; in English they are drawn.
  const bool file_as_is = gui::CurrentLanguage() == gui::Language::Japanese;
  return Scaled(
      key, *original,
      [counter_call, vertical](double scale) {
        const artwork::Banner drawn = artwork::DrawBanner(counter_call, vertical, scale);
        return ComposeMaskedPicture(drawn.picture, drawn.mask);
      },
      file_as_is);
}

QImage KeyOutCornerColour(const QImage& picture) {
  QImage result = picture.convertToFormat(QImage::Format_ARGB32);
  if (result.isNull()) return result;
  const QRgb key = result.pixel(0, 0);
  for (int y = 0; y < result.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < result.width(); ++x) {
      if (line[x] == key) line[x] = qRgba(0, 0, 0, 0);
    }
  }
  return result;
}

QImage ComposeMaskedPicture(const QImage& picture, const QImage& mask) {
  const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
  const QImage stencil = mask.convertToFormat(QImage::Format_RGB32);
  QImage result(source.size(), QImage::Format_ARGB32);
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    const auto* m = y < stencil.height() ? reinterpret_cast<const QRgb*>(stencil.constScanLine(y)) : nullptr;
    auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      const QRgb mask_pixel = (m != nullptr && x < stencil.width()) ? m[x] : qRgb(255, 255, 255);
      const bool banner = qGray(mask_pixel) < 128;
      // Outside the banner the picture is black, so XOR leaves the table
      // unchanged there; anything else outside would tint it, which no
      // picture of ours does.
      out[x] = banner ? (in[x] | 0xFF000000U) : qRgba(0, 0, 0, 0);
    }
  }
  return result;
}

}  // namespace winpiruk
