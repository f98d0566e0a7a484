#pragma once
// Every picture file of the program's data folder with the drawing that
// makes it, so that a picture can be drawn afresh at any size instead of
// enlarging its file.
#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "artwork/SuitShapes.h"

namespace winpiruk::artwork {

struct PictureFile {
  std::string name;  // the file's name in the data folder
  // At scale 1 in two colours, the file's picture; only the faces heed the colours.
  std::function<QImage(double scale, DeckColours colours)> draw;
};

// Faces, banner faces, backs, arrows and banners (pictures and masks).
std::vector<PictureFile> ProgramPictureFiles();

// The picture of file `name` drawn `scale` times its size, a face in the
// deck's colours; a null image for a name that is none of the program's pictures.
QImage DrawPictureFile(const std::string& name, double scale, DeckColours colours = DeckColours::TwoColour);

// Whether `name` is one of the program's card faces (on the table or in a
// banner), the pictures the deck's colours change.
bool IsCardFaceFile(const std::string& name);

}  // namespace winpiruk::artwork
