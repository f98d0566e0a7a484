#pragma once
// Every picture file of the program's data folder with the drawing that
// makes it, so that a picture can be drawn afresh at any size instead of
// enlarging its file.
#include <QImage>
#include <functional>
#include <string>
#include <vector>

namespace winpiruk::artwork {

struct PictureFile {
  std::string name;                          // the file's name in the data folder
  std::function<QImage(double scale)> draw;  // at scale 1, the file's picture
};

// Faces, banner faces, backs, arrows and banners (pictures and masks).
std::vector<PictureFile> ProgramPictureFiles();

// The picture of file `name` drawn `scale` times its size; a null image for
// a name that is none of the program's pictures.
QImage DrawPictureFile(const std::string& name, double scale);

}  // namespace winpiruk::artwork
