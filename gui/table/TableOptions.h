#pragma once
// The table's options that the settings file has no line for. They live in
// a file of their own beside it, so "WinPiruk.ini" keeps its lines exactly.
#include <QRect>
#include <QString>
#include <optional>

#include "sound/SoundVolumes.h"

namespace winpiruk {

struct TableOptions {
  bool grow_with_window = true;     // the table zooms to fill a larger window
  bool mark_playable_cards = true;  // the user's playable cards are marked on their turn
  // Where the window stood at the last quit, in pixels: the frame's top left
  // and the window's own size. The next start puts it back there.
  std::optional<QRect> last_place;
  SoundVolumes volumes;           // how loud the effects and the music play
  bool four_colour_deck = false;  // the program's faces show diamonds blue and clubs green
  bool operator==(const TableOptions&) const = default;
};

// "WinPirukOptions.ini" in the folder of the settings file.
QString TableOptionsFile(const QString& config_directory);

// A missing file, or a value that is not "true" or "false", gives the
// default; a place that is no rectangle of some size gives none; a volume
// that is no whole number gives full volume, one out of 0..100 the nearer end.
TableOptions LoadTableOptions(const QString& path);

// False when the file could not be written; the old file is then left whole.
bool SaveTableOptions(const QString& path, const TableOptions& options);

// What a save cut short by a crash leaves: its temporary file and its lock.
// Only for the user's one running table.
void RemoveTableOptionsLeftovers(const QString& path);

}  // namespace winpiruk
