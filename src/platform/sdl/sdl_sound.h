// WAV playback by file name through SDL's own audio, on one voice: a new sound replaces one still
// playing. Without an audio device everything is silent and nothing fails.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace platform::sdl {

class SoundPlayer {
 public:
  SoundPlayer();
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  // Opens the audio device. False when there is none; the player is silent then, and says so
  // once on the standard error stream. Playing opens the device when it was never asked for,
  // so a program that plays nothing never opens one.
  bool Open();
  void Close();
  bool HasAudio() const;

  // Plays a WAV file from the current directory. Every call first stops the sound playing
  // now; the name "silent" plays nothing, and a file that is missing or unreadable is silence.
  // Asynchronous play returns at once; synchronous play returns when the sound has ended.
  void Play(std::string_view fileName, bool async);
  // The name the sound playing now was started with; empty when none plays.
  std::string Current();
  // A short tone on a channel of its own.
  void Beep();

 private:
  bool OpenOnFirstUse();

  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace platform::sdl
