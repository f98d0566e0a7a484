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
    files.push_back({CardFaceFile(code), [code](double s, DeckColours c) { return DrawCardFace(code, s, c); }});
    files.push_back({BannerCardFaceFile(code), [code](double s, DeckColours c) { return DrawBannerCardFace(code, s, c); }});
  }
  for (int kind = 0; kind < kCardBackKinds; ++kind) {
    for (auto orientation : {BackOrientation::Upright, BackOrientation::UpsideDown, BackOrientation::Left,
                             BackOrientation::Right}) {
      files.push_back({CardBackFile(kind, orientation),
                       [kind, orientation](double s, DeckColours) { return DrawCardBack(kind, orientation, s); }});
    }
  }
  for (int direction : {1, -1}) {
    for (int seat = 0; seat < 4; ++seat) {
      files.push_back({ArrowFile(seat, direction),
                       [seat, direction](double s, DeckColours) { return DrawArrow(seat, direction, s); }});
    }
  }
  for (bool counter_call : {false, true}) {
    for (int seat : {0, 1}) {
      const bool vertical = seat == 1;
      files.push_back({BannerFile(counter_call, seat, false),
                       [=](double s, DeckColours) { return DrawBanner(counter_call, vertical, s).picture; }});
      files.push_back({BannerFile(counter_call, seat, true),
                       [=](double s, DeckColours) { return DrawBanner(counter_call, vertical, s).mask; }});
    }
  }
  return files;
}

QImage DrawPictureFile(const std::string& name, double scale, DeckColours colours) {
  for (const PictureFile& file : ProgramPictureFiles()) {
    if (file.name == name) return file.draw(scale, colours);
  }
  return {};
}

bool IsCardFaceFile(const std::string& name) {
  for (int code = 1; code <= 52; ++code) {
    if (name == CardFaceFile(code) || name == BannerCardFaceFile(code)) return true;
  }
  return false;
}

}  // namespace winpiruk::artwork
