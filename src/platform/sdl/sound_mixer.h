// The mixing of the program's two voices, its sounds and the beep, into the audio device's
// buffer: interleaved 16-bit samples in the device's own layout, added with saturation. It
// knows nothing of the device; the audio callback calls Mix, and the program calls the rest,
// with the device locked each time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform::sdl {

// A sound converted to the device's layout once, when it is loaded.
using Samples = std::vector<std::int16_t>;

class SoundMixer {
 public:
  enum Voice { kSound = 0, kBeep = 1 };

  // Plays `samples` on the voice from their start, replacing what the voice played. The
  // samples must outlive the play (or a Stop of the voice).
  void Start(Voice voice, const Samples* samples);
  void Stop(Voice voice);
  bool Playing(Voice voice) const;
  // Writes the next `count` samples of the mix into `out`: silence where no voice plays. True
  // when the sound voice (not the beep) reached its end during this call.
  bool Mix(std::int16_t* out, std::size_t count);

 private:
  struct Play {
    const Samples* samples = nullptr;  // nullptr while the voice is silent
    std::size_t next = 0;
  };
  std::array<Play, 2> voices_{};
};

}  // namespace platform::sdl
