#pragma once
// The seven effect sounds, synthesised: 16-bit mono PCM.
#include <cstdint>
#include <string>
#include <vector>

namespace winpiruk::datagen {

constexpr int kSampleRate = 22050;

struct Effect {
  std::string file_name;  // "WP_CARD.WAV" …
  std::vector<int16_t> samples;
};

// Every effect of the game, in a fixed order and with fixed noise seeds,
// so that two builds give the same files.
std::vector<Effect> SynthesiseEffects();

// The bytes of a RIFF WAVE file holding `samples` at kSampleRate.
std::vector<uint8_t> WaveFileBytes(const std::vector<int16_t>& samples);

}  // namespace winpiruk::datagen
