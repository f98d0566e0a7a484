#include "artwork/PictureFiles.h"

#include "artwork/Arrows.h"
#include "artwork/Banners.h"
#include "artwork/CardBacks.h"
#include "artwork/CardFaces.h"
#include "presentation/PictureNames.h"

namespace winpiruk::artwork {

std::vector<PictureFile> ProgramPictureFiles() {
  std::vector<PictureFile> files;
  for (int code = 1; code <= 52; ++code) {
    files.push_back({CardFaceFile(code), [code](double s) { return DrawCardFace(code, s); }});
    files.push_back({BannerCardFaceFile(code), [code](double s) { return DrawBannerCardFace(code, s); }});
  }
  for (int kind = 0; kind < kCardBackKinds; ++kind) {
    for (auto orientation : {BackOrientation::Upright, BackOrientation::UpsideDown, BackOrientation::Left,
                             BackOrientation::Right}) {
      files.push_back({CardBackFile(kind, orientation),
                       [kind, orientation](double s) { return DrawCardBack(kind, orientation, s); }});
    }
  }
  for (int direction : {1, -1}) {
    for (int seat = 0; seat < 4; ++seat) {
      files.push_back({ArrowFile(seat, direction), [seat, direction](double s) { return DrawArrow(seat, direction, s); }});
    }
  }
  for (bool counter_call : {false, true}) {
    for (int seat : {0, 1}) {
      const bool vertical = seat == 1;
      files.push_back({BannerFile(counter_call, seat, false),
                       [=](double s) { return DrawBanner(counter_call, vertical, s).picture; }});
      files.push_back({BannerFile(counter_call, seat, true),
                       [=](double s) { return DrawBanner(counter_call, vertical, s).mask; }});
    }
  }
  return files;
}

QImage DrawPictureFile(const std::string& name, double scale) {
  for (const PictureFile& file : ProgramPictureFiles()) {
    if (file.name == name) return file.draw(scale);
  }
  return {};
}

}  // namespace winpiruk::artwork
