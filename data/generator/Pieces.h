#pragma once
// The program's own music: four short pieces composed by code from a chord
// progression, a motif and a form, written as Standard MIDI Files for the
// General MIDI synthesizer the program plays music with.
#include <cstdint>
#include <string>
#include <vector>

namespace winpiruk::datagen {

struct PieceFile {
  std::string file_name;  // "WP_BGM1.MID" …
  std::vector<uint8_t> bytes;
};

// Every piece, the same bytes on every build.
std::vector<PieceFile> ComposePieces();

}  // namespace winpiruk::datagen
