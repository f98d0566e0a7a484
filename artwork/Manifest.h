#pragma once
// The list of content hashes written beside the program's own pictures. A
// picture whose file still has its listed hash is known to be the program's
// drawing and may be drawn afresh at any size; any other file is the user's.
// One line per file, "<sha-256 in hex>  <name>", as sha256sum writes it.
#include <QByteArray>
#include <QHash>
#include <QString>

namespace winpiruk::artwork {

inline constexpr const char* kManifestFile = "pictures.sha256";

QByteArray ContentHash(const QByteArray& bytes);

// Name → hash; empty when the folder has no readable list.
QHash<QString, QByteArray> ReadManifest(const QString& directory);

// Lists the hashes of the named files of `directory`; false when one cannot
// be read or the list cannot be written.
bool WriteManifest(const QString& directory, const QStringList& names);

}  // namespace winpiruk::artwork
