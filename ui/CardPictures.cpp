#include "ui/CardPictures.h"

#include <QFile>

namespace winpiruk {

QString MissingPictureText(const QString& path, const QString& routine_number) {
  return QStringLiteral("「 ") + path + QStringLiteral("(#") + routine_number + QStringLiteral(") 」というファイルが見つかりません。");
}

CardPictures::CardPictures(const Settings& settings, MissingHandler on_missing)
    : settings_(settings), on_missing_(std::move(on_missing)) {}

QImage CardPictures::LoadImage(const std::string& name, const char* routine_number) {
  const QString path = QString::fromStdString(DataFilePath(settings_, name));
  QImage image;
  if (name.empty() || !image.load(path)) {
    if (on_missing_) on_missing_(path, QString::fromLatin1(routine_number));
    return {};
  }
  return image;
}

const QPixmap& CardPictures::Load(const std::string& name, const char* routine_number) {
  const QString key = QString::fromStdString(DataFilePath(settings_, name));
  if (auto found = cache_.constFind(key); found != cache_.constEnd()) return *found;
  const QImage image = LoadImage(name, routine_number);
  if (image.isNull()) return empty_;
  return *cache_.insert(key, QPixmap::fromImage(image));
}

const QPixmap& CardPictures::Face(int code, const char* routine_number) {
  return Load(CardFaceFile(code), routine_number);
}

const QPixmap& CardPictures::BannerFace(int code) { return Load(BannerCardFaceFile(code), routine::kBannerFaces); }

const QPixmap& CardPictures::Back(int card_kind, BackOrientation orientation, const char* routine_number) {
  return Load(CardBackFile(card_kind, orientation), routine_number);
}

const QPixmap& CardPictures::Arrow(int seat, int direction) {
  const std::string name = ArrowFile(seat, direction);
  const QString key = QStringLiteral("keyed:") + QString::fromStdString(DataFilePath(settings_, name));
  if (auto found = cache_.constFind(key); found != cache_.constEnd()) return *found;
  const QImage image = LoadImage(name, routine::kArrow);
  if (image.isNull()) return empty_;
  return *cache_.insert(key, QPixmap::fromImage(KeyOutCornerColour(image)));
}

const QPixmap& CardPictures::Banner(bool counter_call, int calling_seat) {
  const std::string picture_name = BannerFile(counter_call, calling_seat, false);
  const QString key = QStringLiteral("composed:") + QString::fromStdString(DataFilePath(settings_, picture_name));
  if (auto found = cache_.constFind(key); found != cache_.constEnd()) return *found;
  const char* number = counter_call ? routine::kCounterCallBanner : routine::kCallBanner;
  const QImage mask = LoadImage(BannerFile(counter_call, calling_seat, true), number);
  const QImage picture = LoadImage(picture_name, number);
  if (mask.isNull() || picture.isNull()) return empty_;
  return *cache_.insert(key, QPixmap::fromImage(ComposeMaskedPicture(picture, mask)));
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
