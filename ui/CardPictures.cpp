#include "ui/CardPictures.h"

#include <QFile>
#include <algorithm>
#include <cmath>

namespace winpiruk {

QString MissingPictureText(const QString& path, const QString& routine_number) {
  return QStringLiteral("「 ") + path + QStringLiteral("(#") + routine_number + QStringLiteral(") 」というファイルが見つかりません。");
}

CardPictures::CardPictures(const Settings& settings, MissingHandler on_missing)
    : settings_(settings), on_missing_(std::move(on_missing)) {}

void CardPictures::SetScale(double zoom, double device_pixel_ratio) {
  const double new_zoom = zoom > 0 ? zoom : 1.0;
  const double new_ratio = device_pixel_ratio > 0 ? device_pixel_ratio : 1.0;
  // A window being resized passes through a new size at every step: only
  // the pictures of the present one are kept.
  if (new_zoom != zoom_ || new_ratio != device_pixel_ratio_) cache_.clear();
  zoom_ = new_zoom;
  device_pixel_ratio_ = new_ratio;
}

QString CardPictures::CacheKey(const QString& what) const {
  return what + QStringLiteral("@") + QString::number(zoom_ * device_pixel_ratio_, 'g', 6) + QStringLiteral("/") +
         QString::number(device_pixel_ratio_, 'g', 6);
}

QImage CardPictures::LoadImage(const std::string& name, const char* routine_number) {
  const QString path = QString::fromStdString(DataFilePath(settings_, name));
  QImage image;
  if (name.empty() || !image.load(path)) {
    if (on_missing_) on_missing_(path, QString::fromLatin1(routine_number));
    return {};
  }
  return image;
}

QImage CardPictures::Original(const std::string& name, const char* routine_number, Preparation preparation) {
  const QString key = (preparation == Preparation::KeyedOut ? QStringLiteral("keyed:") : QString()) +
                      QString::fromStdString(DataFilePath(settings_, name));
  if (auto found = originals_.constFind(key); found != originals_.constEnd()) return *found;
  QImage image = LoadImage(name, routine_number);
  if (image.isNull()) return image;
  if (preparation == Preparation::KeyedOut) image = KeyOutCornerColour(image);
  originals_.insert(key, image);
  return image;
}

const QPixmap& CardPictures::Scaled(const QString& key, const QImage& original) {
  const double pixel_scale = zoom_ * device_pixel_ratio_;
  QPixmap pixmap;
  if (pixel_scale == 1.0) {
    pixmap = QPixmap::fromImage(original);
  } else {
    const QSize pixels(std::max(1, static_cast<int>(std::lround(original.width() * pixel_scale))),
                       std::max(1, static_cast<int>(std::lround(original.height() * pixel_scale))));
    pixmap = QPixmap::fromImage(original.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  }
  pixmap.setDevicePixelRatio(device_pixel_ratio_);
  return *cache_.insert(key, pixmap);
}

const QPixmap& CardPictures::Load(const std::string& name, const char* routine_number, Preparation preparation) {
  const QString key = CacheKey((preparation == Preparation::KeyedOut ? QStringLiteral("keyed:") : QString()) +
                               QString::fromStdString(DataFilePath(settings_, name)));
  if (auto found = cache_.constFind(key); found != cache_.constEnd()) return *found;
  const QImage original = Original(name, routine_number, preparation);
  if (original.isNull()) return empty_;
  return Scaled(key, original);
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
  const QString path = QString::fromStdString(DataFilePath(settings_, picture_name));
  const QString key = CacheKey(QStringLiteral("composed:") + path);
  if (auto found = cache_.constFind(key); found != cache_.constEnd()) return *found;
  const QString original_key = QStringLiteral("composed:") + path;
  auto original = originals_.constFind(original_key);
  if (original == originals_.constEnd()) {
    const char* number = counter_call ? routine::kCounterCallBanner : routine::kCallBanner;
    const QImage mask = LoadImage(BannerFile(counter_call, calling_seat, true), number);
    const QImage picture = LoadImage(picture_name, number);
    if (mask.isNull() || picture.isNull()) return empty_;
    original = originals_.insert(original_key, ComposeMaskedPicture(picture, mask));
  }
  return Scaled(key, *original);
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
