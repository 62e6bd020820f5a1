#pragma once
// Sounds: short effects on the default audio output. A sound without an audio device, or whose
// output fails, plays as silence: never an error and never a wait. Every Play is counted, heard
// or not, so that tests can tell how often a sound was played.
#include <cstdint>
#include <memory>
#include <string>

#include "framework/ref.h"

namespace fw {

class Sound {
public:
  // The WAV sound in that file (a path starting with ":/" names a bundled resource); nil when
  // the file cannot be read or holds no WAV sound.
  static Ref<Sound> Load(const std::string& path);

  ~Sound();
  Sound(const Sound&) = delete;
  Sound& operator=(const Sound&) = delete;

  // 0 (silent) to 100 (full); values outside are brought within.
  std::int32_t Volume() const { return volume_; }
  void Volume(std::int32_t volume);

  // Starts the sound from its beginning; returns at once.
  void Play();

  // How often this sound, and every sound together, was played.
  std::int32_t Plays() const { return plays_; }
  static std::int64_t PlayCount();

private:
  explicit Sound(const std::string& path);

  struct Output;
  std::unique_ptr<Output> output_;
  std::int32_t volume_ = 100;
  std::int32_t plays_ = 0;
};

// Shut-down: lets sounds still being decoded finish (at most two seconds), so that the
// runtime can end without waiting on Qt's decoder.
void WaitForSoundsToLoad();

}  // namespace fw
