#pragma once
// A MIDI file the music player can open: one note of a quarter second.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtTest>

namespace winpiruk::test {

inline void WriteTune(const QString& path) {
  const unsigned char track[] = {0x00, 0xC0, 0x00, 0x00, 0x90, 0x3C, 0x64, 0x30, 0x80, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00};
  QByteArray bytes("MThd");
  bytes.append("\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60", 10);
  bytes.append("MTrk");
  bytes.append("\x00\x00\x00", 3);
  bytes.append(static_cast<char>(sizeof(track)));
  bytes.append(reinterpret_cast<const char*>(track), sizeof(track));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace winpiruk::test
