#include "gui/table/TableOptions.h"

#include <QLockFile>
#include <QSettings>

#include "config/TemporaryFile.h"

namespace winpiruk {
namespace {

const QString kGrowKey = QStringLiteral("Table/GrowWithWindow");
const QString kMarkKey = QStringLiteral("Table/MarkPlayableCards");
const QString kPlaceKey = QStringLiteral("Window/LastPlace");
const QString kEffectsVolumeKey = QStringLiteral("Sound/EffectsVolume");
const QString kMusicVolumeKey = QStringLiteral("Sound/MusicVolume");
const QString kFourColourKey = QStringLiteral("Cards/FourColourDeck");

bool ReadFlag(const QSettings& file, const QString& key, bool fallback) {
  const QString text = file.value(key).toString().trimmed().toLower();
  if (text == QLatin1String("true")) return true;
  if (text == QLatin1String("false")) return false;
  return fallback;
}

int ReadVolume(const QSettings& file, const QString& key, int fallback) {
  bool whole = false;
  const int volume = file.value(key).toString().trimmed().toInt(&whole);
  return whole ? volume : fallback;
}

}  // namespace

QString TableOptionsFile(const QString& config_directory) {
  return config_directory + QStringLiteral("/WinPirukOptions.ini");
}

TableOptions LoadTableOptions(const QString& path) {
  const QSettings file(path, QSettings::IniFormat);
  const TableOptions defaults;
  TableOptions options;
  options.grow_with_window = ReadFlag(file, kGrowKey, defaults.grow_with_window);
  options.mark_playable_cards = ReadFlag(file, kMarkKey, defaults.mark_playable_cards);
  const QRect place = file.value(kPlaceKey).toRect();
  if (place.isValid() && !place.isEmpty()) options.last_place = place;
  options.volumes = Clamped({ReadVolume(file, kEffectsVolumeKey, defaults.volumes.effects),
                             ReadVolume(file, kMusicVolumeKey, defaults.volumes.music)});
  options.four_colour_deck = ReadFlag(file, kFourColourKey, defaults.four_colour_deck);
  return options;
}

bool SaveTableOptions(const QString& path, const TableOptions& options) {
  // QSettings writes through a temporary file and renames it, so a full disk
  // leaves the old file as it was.
  QSettings file(path, QSettings::IniFormat);
  file.setValue(kGrowKey, options.grow_with_window);
  file.setValue(kMarkKey, options.mark_playable_cards);
  if (options.last_place) {
    file.setValue(kPlaceKey, *options.last_place);
  } else {
    file.remove(kPlaceKey);
  }
  file.setValue(kEffectsVolumeKey, options.volumes.effects);
  file.setValue(kMusicVolumeKey, options.volumes.music);
  file.setValue(kFourColourKey, options.four_colour_deck);
  file.sync();
  // A file that could not be parsed shows as a FormatError, yet it has just
  // been written over; only an AccessError says the write failed.
  return file.status() != QSettings::AccessError;
}

void RemoveTableOptionsLeftovers(const QString& path) {
  RemoveLeftoverTemporaries(path.toStdString());
  // Taking the lock clears one left by a process that is gone; letting it go
  // removes its file.
  QLockFile lock(path + QStringLiteral(".lock"));
  if (lock.tryLock(0)) lock.unlock();
}

}  // namespace winpiruk
