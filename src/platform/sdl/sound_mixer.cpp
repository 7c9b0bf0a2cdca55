#include "platform/sdl/sound_mixer.h"

#include <algorithm>

namespace platform::sdl {

void SoundMixer::Start(Voice voice, const Samples* samples) {
  voices_[voice] = Play{samples != nullptr && !samples->empty() ? samples : nullptr, 0};
}

void SoundMixer::Stop(Voice voice) {
  voices_[voice] = Play{};
}

bool SoundMixer::Playing(Voice voice) const {
  return voices_[voice].samples != nullptr;
}

bool SoundMixer::Mix(std::int16_t* out, std::size_t count) {
  std::fill(out, out + count, std::int16_t{0});
  bool soundEnded = false;
  for (std::size_t v = 0; v < voices_.size(); ++v) {
    Play& play = voices_[v];
    if (play.samples == nullptr) continue;
    const std::size_t take = std::min(count, play.samples->size() - play.next);
    const std::int16_t* in = play.samples->data() + play.next;
    for (std::size_t i = 0; i < take; ++i) {
      out[i] = std::int16_t(std::clamp(int(out[i]) + int(in[i]), -32768, 32767));
    }
    play.next += take;
    if (play.next >= play.samples->size()) {
      play = Play{};
      if (v == kSound) soundEnded = true;
    }
  }
  return soundEnded;
}

}  // namespace platform::sdl
