#include "sound/AudioModule.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QtDebug>

namespace winpiruk {
namespace {

std::unique_ptr<AudioBackend> LoadModule() {
  // The library is never unloaded: the sound system's objects and threads
  // may live until the program ends.
  QLibrary library(QCoreApplication::applicationDirPath() + QStringLiteral("/" WINPIRUK_AUDIO_MODULE));
  const auto factory = reinterpret_cast<AudioBackendFactory>(library.resolve(kAudioBackendFactory));
  if (factory == nullptr) {
    qWarning().noquote() << "No sound:" << library.errorString();
    return nullptr;
  }
  return std::unique_ptr<AudioBackend>(factory());
}

}  // namespace

AudioBackend* Audio() {
  static const std::unique_ptr<AudioBackend> backend = LoadModule();
  return backend.get();
}

}  // namespace winpiruk
