#include "sound/AudioModule.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QtDebug>
#include <atomic>
#include <mutex>

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

// The volumes and the backend that has them, under one lock: the module may
// be loaded on a worker thread while the window thread sets a volume.
struct Volumes {
  std::mutex lock;
  SoundVolumes levels;
  AudioBackend* given = nullptr;  // the loaded module, once it has them
};

Volumes& TheVolumes() {
  static Volumes volumes;
  return volumes;
}

std::atomic<AudioBackend*> stand_in{nullptr};

AudioBackend* LoadedModule() {
  static const std::unique_ptr<AudioBackend> backend = [] {
    std::unique_ptr<AudioBackend> loaded = LoadModule();
    if (loaded) {
      Volumes& volumes = TheVolumes();
      const std::scoped_lock hold(volumes.lock);
      loaded->SetVolumes(volumes.levels);
      volumes.given = loaded.get();
    }
    return loaded;
  }();
  return backend.get();
}

}  // namespace

AudioBackend* Audio() {
  if (AudioBackend* standing_in = stand_in.load()) return standing_in;
  return LoadedModule();
}

void SetSoundVolumes(const SoundVolumes& volumes) {
  Volumes& kept = TheVolumes();
  const std::scoped_lock hold(kept.lock);
  kept.levels = Clamped(volumes);
  if (AudioBackend* standing_in = stand_in.load()) {
    standing_in->SetVolumes(kept.levels);
  } else if (kept.given != nullptr) {
    kept.given->SetVolumes(kept.levels);
  }
}

SoundVolumes CurrentSoundVolumes() {
  Volumes& kept = TheVolumes();
  const std::scoped_lock hold(kept.lock);
  return kept.levels;
}

AudioStandIn::AudioStandIn(AudioBackend& backend) {
  stand_in.store(&backend);
  backend.SetVolumes(CurrentSoundVolumes());
}

AudioStandIn::~AudioStandIn() { stand_in.store(nullptr); }

}  // namespace winpiruk
