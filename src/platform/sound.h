// Sound: WAV files played by name, and the default beep.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Plays a WAV file from the current directory. Asynchronous play returns at once and replaces
// a sound still playing. The name "silent" played synchronously stops the current sound. A
// missing file or no audio device means silence, never an error.
void PlaySound(std::string_view fileName, bool async);
// The file name of the sound playing now, empty when none (used by tests and scripts).
std::string CurrentSound();

// The default beep.
void MessageBeep();

}  // namespace platform
