#pragma once
// The table's pictures, loaded from the card data directory and kept once
// loaded, at the size the table draws them: the file's own size times the
// table's zoom, in device pixels. A file that is still the program's own
// drawing (in the program's own folder, with the hash its list gives) is
// drawn afresh at that size, so it stays sharp; any other picture is the
// user's and is scaled smoothly. A picture that cannot be loaded is fatal:
// the owner's handler shows the path with the number of the drawing routine
// and ends the program.
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <functional>
#include <string>

#include "artwork/SuitShapes.h"
#include "presentation/PictureNames.h"
#include "state/GameState.h"
#include "state/Settings.h"

namespace winpiruk {

// The numbers of the drawing routines, shown when one of their files is missing.
namespace routine {
inline constexpr const char* kCardFace = "1";
inline constexpr const char* kCallBanner = "2";
inline constexpr const char* kCounterCallBanner = "3";
inline constexpr const char* kLeftBacks = "4";
inline constexpr const char* kRightBacks = "5";
inline constexpr const char* kArrow = "6";
inline constexpr const char* kDeal = "7";
inline constexpr const char* kTopBacks = "8";
inline constexpr const char* kTopFaces = "9";
inline constexpr const char* kBannerFaces = "1.13";
}  // namespace routine

// The colours the windows' faces are drawn in.
inline artwork::DeckColours DeckColoursOf(const WindowState& window) {
  return window.FourColourDeck ? artwork::DeckColours::FourColour : artwork::DeckColours::TwoColour;
}

// "「 " + path + "(#N) 」というファイルが見つかりません。"
QString MissingPictureText(const QString& path, const QString& routine_number);

// The folder of the program's own pictures: share/winpiruk beside the
// running program's folder.
QString ProgramPictureDirectory();

class CardPictures {
 public:
  // Called with the path and the routine number when a file cannot be
  // loaded; it is not expected to return.
  using MissingHandler = std::function<void(const QString& path, const QString& routine_number)>;

  // `own_directory` is the folder of the program's own pictures.
  CardPictures(const Settings& settings, MissingHandler on_missing,
               const QString& own_directory = ProgramPictureDirectory());

  // The table draws each picture `zoom` times its file's size on a screen of
  // `device_pixel_ratio`; the pictures handed out from now on have that many
  // device pixels and say so in their device pixel ratio. At 1 and 1 they are
  // the files as they are. The pictures of the previous scale are kept too
  // (a window maximised and restored); those of older ones are let go, so
  // dragging the window's edge does not keep a set for every size it passed.
  void SetScale(double zoom, double device_pixel_ratio);
  double Zoom() const { return zoom_; }
  double DevicePixelRatio() const { return device_pixel_ratio_; }

  // The colours the program's own faces are drawn in, at every size, the
  // files' own size included (the files are the two-colour deck). The user's
  // pictures stay as they are. Changing them lets the pictures handed out go.
  void SetDeckColours(artwork::DeckColours colours);
  artwork::DeckColours Colours() const { return deck_colours_; }

  // Any picture of the data folder by its file name.
  const QPixmap& Picture(const std::string& name, const char* routine_number) { return Load(name, routine_number); }
  const QPixmap& Face(int code, const char* routine_number = routine::kCardFace);
  const QPixmap& BannerFace(int code);
  const QPixmap& Back(int card_kind, BackOrientation orientation, const char* routine_number);
  const QPixmap& Arrow(int seat, int direction);
  // The banner as one picture with transparency, built from its mask once:
  // black in the mask is the banner, white lets the table show through.
  const QPixmap& Banner(bool counter_call, int calling_seat);

  // Forgets every loaded picture (the data directory or the back design changed).
  void Clear() {
    cache_.clear();
    originals_.clear();
    manifests_.clear();
  }

 private:
  // How a file's picture is made ready for the table before it is scaled.
  enum class Preparation { AsIs, KeyedOut };
  // A file's picture at its own size, and whether the file is still the
  // program's own drawing.
  struct Source {
    QImage image;
    bool ours = false;
  };
  // Draws the program's picture at a scale, prepared as its file would be.
  using Drawing = std::function<QImage(double scale)>;

  const QPixmap& Load(const std::string& name, const char* routine_number,
                      Preparation preparation = Preparation::AsIs);
  Source LoadSource(const std::string& name, const char* routine_number);
  bool IsOwnDrawing(const QString& path, const QString& name, const QByteArray& bytes);
  // The file's picture, prepared, at its own size; loaded once.
  Source Original(const std::string& name, const char* routine_number, Preparation preparation);
  // `file_as_is`: at the file's own size the file is the picture.
  const QPixmap& Scaled(const QString& key, const Source& source, const Drawing& drawing, bool file_as_is = true);
  QString CacheKey(const QString& what) const;
  QString ScaleSuffix() const;

  const Settings& settings_;
  MissingHandler on_missing_;
  QString own_directory_;  // canonical; empty when there is none
  double zoom_ = 1.0;
  double device_pixel_ratio_ = 1.0;
  artwork::DeckColours deck_colours_ = artwork::DeckColours::TwoColour;
  QHash<QString, Source> originals_;
  QHash<QString, QHash<QString, QByteArray>> manifests_;  // by folder
  QHash<QString, QPixmap> cache_;                         // by picture and device size
  QPixmap empty_;
};

// Combines a banner picture with its mask as a masked transfer would draw it
// (the table ANDed with the mask, then the picture XORed in): where the mask
// is black the picture shows; where it is white and the picture black the
// table shows.
QImage ComposeMaskedPicture(const QImage& picture, const QImage& mask);

// A picture without a mask of its own (the turn arrows): the colour of its
// top left corner is its background and becomes transparent, so the arrow
// lies on whatever table background the user chose.
QImage KeyOutCornerColour(const QImage& picture);

}  // namespace winpiruk
