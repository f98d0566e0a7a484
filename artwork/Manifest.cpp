#include "artwork/Manifest.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace winpiruk::artwork {

QByteArray ContentHash(const QByteArray& bytes) {
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QHash<QString, QByteArray> ReadManifest(const QString& directory) {
  QHash<QString, QByteArray> hashes;
  QFile file(QDir(directory).filePath(QString::fromLatin1(kManifestFile)));
  if (!file.open(QIODevice::ReadOnly)) return hashes;
  while (!file.atEnd()) {
    const QByteArray line = file.readLine().trimmed();
    const qsizetype gap = line.indexOf("  ");
    if (gap != 64) continue;  // not a line of ours
    hashes.insert(QString::fromUtf8(line.mid(gap + 2)), line.left(gap).toLower());
  }
  return hashes;
}

bool WriteManifest(const QString& directory, const QStringList& names) {
  const QDir dir(directory);
  QSaveFile out(dir.filePath(QString::fromLatin1(kManifestFile)));
  if (!out.open(QIODevice::WriteOnly)) return false;
  for (const QString& name : names) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) return false;
    out.write(ContentHash(file.readAll()) + "  " + name.toUtf8() + "\n");
  }
  return out.commit();
}

}  // namespace winpiruk::artwork
