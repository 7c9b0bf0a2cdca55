// Sound through SDL's own audio: WAV files by name, converted once to the device's layout and
// cached; the program's sounds and a generated beep mixed on two voices.
#include "platform/sdl/sdl_sound.h"

#include <SDL.h>
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <numbers>

#include "platform/platform.h"
#include "platform/sdl/sound_mixer.h"

namespace platform::sdl {

namespace {

constexpr int kFrequency = 22050;
constexpr int kChannels = 2;
constexpr int kChunkFrames = 512;  // about 23 ms of latency at 22050 Hz

bool IsRegularFile(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The file's path: the name as given, or else the one file in the current directory whose
// name differs only in case (the game's sound names were written for a case-blind system).
std::string FindSoundFile(const std::string& name) {
  if (IsRegularFile(name)) return name;
  if (name.find('/') != std::string::npos) return std::string();
  std::string found;
  if (DIR* dir = ::opendir(".")) {
    while (const dirent* entry = ::readdir(dir)) {
      if (::strcasecmp(entry->d_name, name.c_str()) == 0 && IsRegularFile(entry->d_name)) {
        found = entry->d_name;
        break;
      }
    }
    ::closedir(dir);
  }
  return found;
}

// Runs `work` with the standard error stream sent to /dev/null: the sound libraries describe a
// missing sound card over many lines of their own, and one line of ours says it better.
template <typename Work>
auto Quietly(Work work) {
  std::fflush(stderr);
  const int saved = ::dup(STDERR_FILENO);
  const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (saved >= 0 && null >= 0) ::dup2(null, STDERR_FILENO);
  if (null >= 0) ::close(null);
  auto result = work();
  if (saved >= 0) {
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
  }
  return result;
}

}  // namespace

struct SoundPlayer::State {
  bool tried = false;            // the device was asked for (it is opened by the first sound)
  SDL_AudioDeviceID device = 0;  // 0 while closed
  std::map<std::string, Samples> sounds;  // by absolute path, in the device's layout
  std::string current;                    // the name of the last sound started
  Samples beep;
  SoundMixer mixer;  // shared with the audio thread: touched only with the device locked
  // The end of the sound voice, reported by the audio thread to a synchronous play.
  std::mutex endMutex;
  std::condition_variable ended;
  bool soundBusy = false;

  // The audio thread's callback: the device's buffer is filled from the mixer.
  static void Fill(void* self, Uint8* stream, int length) {
    auto* state = static_cast<State*>(self);
    const bool soundEnded = state->mixer.Mix(reinterpret_cast<std::int16_t*>(stream),
                                             std::size_t(length) / sizeof(std::int16_t));
    if (!soundEnded) return;
    {
      std::lock_guard<std::mutex> lock(state->endMutex);
      state->soundBusy = false;
    }
    state->ended.notify_all();
  }

  void SetBusy(bool busy) {
    std::lock_guard<std::mutex> lock(endMutex);
    soundBusy = busy;
  }

  // Keeps the audio thread out of the mixer while it lives.
  struct MixerLock {
    explicit MixerLock(SDL_AudioDeviceID device) : device(device) { SDL_LockAudioDevice(device); }
    ~MixerLock() { SDL_UnlockAudioDevice(device); }
    MixerLock(const MixerLock&) = delete;
    MixerLock& operator=(const MixerLock&) = delete;
    SDL_AudioDeviceID device;
  };

  const Samples* Load(const std::string& name) {
    const std::string path = FindSoundFile(name);
    if (path.empty()) return nullptr;
    const std::string key = path[0] == '/' ? path : CurrentDirectory() + "/" + path;
    if (auto it = sounds.find(key); it != sounds.end()) return &it->second;
    SDL_AudioSpec spec;
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(path.c_str(), &spec, &data, &length) == nullptr) return nullptr;
    SDL_AudioCVT convert;
    const int needed = SDL_BuildAudioCVT(&convert, spec.format, spec.channels, spec.freq,
                                         AUDIO_S16SYS, kChannels, kFrequency);
    if (needed < 0) {
      SDL_FreeWAV(data);
      return nullptr;
    }
    // The conversion works in place, in a buffer len_mult times the size of the input.
    std::vector<Uint8> bytes(std::size_t(length) * std::size_t(std::max(convert.len_mult, 1)));
    std::memcpy(bytes.data(), data, length);
    SDL_FreeWAV(data);
    std::size_t converted = length;
    if (needed == 1) {
      convert.buf = bytes.data();
      convert.len = int(length);
      if (SDL_ConvertAudio(&convert) != 0) return nullptr;
      converted = std::size_t(convert.len_cvt);
    }
    Samples samples(converted / sizeof(std::int16_t) / kChannels * kChannels);
    std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(std::int16_t));
    return &sounds.emplace(key, std::move(samples)).first->second;
  }

  void MakeBeep() {
    const int frames = kFrequency * 120 / 1000;  // 120 ms of a 880 Hz tone, faded at both ends
    const int fade = kFrequency * 8 / 1000;
    beep.assign(std::size_t(frames) * kChannels, 0);
    for (int i = 0; i < frames; ++i) {
      double level = 0.3;
      if (i < fade) level *= double(i) / fade;
      if (frames - i < fade) level *= double(frames - i) / fade;
      const double phase = 2.0 * std::numbers::pi * 880.0 * i / kFrequency;
      const auto sample = std::int16_t(std::lround(32767.0 * level * std::sin(phase)));
      for (int c = 0; c < kChannels; ++c) beep[std::size_t(i) * kChannels + c] = sample;
    }
  }

  // How long a sound plays, for the bound on a synchronous wait.
  static std::chrono::milliseconds Duration(const Samples& samples) {
    return std::chrono::milliseconds(samples.size() / kChannels * 1000 / kFrequency);
  }
};

SoundPlayer::SoundPlayer() : state_(std::make_unique<State>()) {}

SoundPlayer::~SoundPlayer() {
  Close();
}

bool SoundPlayer::Open() {
  if (state_->device != 0) return true;
  state_->tried = true;
  // The device plays exactly this layout; SDL converts for the sound card where it differs.
  SDL_AudioSpec wanted{};
  wanted.freq = kFrequency;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = kChannels;
  wanted.samples = kChunkFrames;
  wanted.callback = &State::Fill;
  wanted.userdata = state_.get();
  const SDL_AudioDeviceID device = Quietly([&wanted]() -> SDL_AudioDeviceID {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
    const SDL_AudioDeviceID opened = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (opened == 0) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return opened;
  });
  if (device == 0) {
    std::fprintf(stderr, "No sound device could be opened: the game runs without sound.\n");
    return false;
  }
  state_->device = device;
  state_->MakeBeep();
  SDL_PauseAudioDevice(device, 0);
  return true;
}

void SoundPlayer::Close() {
  if (state_->device == 0) return;
  // Closing stops the audio thread; nothing plays from the sounds after this.
  SDL_CloseAudioDevice(state_->device);
  state_->device = 0;
  state_->mixer = SoundMixer();
  state_->sounds.clear();
  state_->beep.clear();
  state_->SetBusy(false);
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  state_->current.clear();
}

bool SoundPlayer::HasAudio() const {
  return state_->device != 0;
}

bool SoundPlayer::OpenOnFirstUse() {
  if (state_->device == 0 && !state_->tried) Open();
  return state_->device != 0;
}

void SoundPlayer::Play(std::string_view fileName, bool async) {
  // Silence needs no device: "silent" only stops what plays.
  if (fileName == "silent" ? state_->device == 0 : !OpenOnFirstUse()) return;
  {
    State::MixerLock lock(state_->device);
    state_->mixer.Stop(SoundMixer::kSound);
  }
  state_->SetBusy(false);
  state_->current.clear();
  const std::string name(fileName);
  if (name == "silent") return;
  const Samples* samples = state_->Load(name);
  if (samples == nullptr || samples->empty()) return;
  state_->SetBusy(true);
  {
    State::MixerLock lock(state_->device);
    state_->mixer.Start(SoundMixer::kSound, samples);
  }
  state_->current = name;
  if (async) return;
  // Wait for the end, but never for ever: a device that stops delivering must not freeze the
  // program.
  std::unique_lock<std::mutex> lock(state_->endMutex);
  state_->ended.wait_for(lock, State::Duration(*samples) + std::chrono::seconds(2),
                         [this] { return !state_->soundBusy; });
}

std::string SoundPlayer::Current() {
  if (state_->device == 0 || state_->current.empty()) return std::string();
  State::MixerLock lock(state_->device);
  if (!state_->mixer.Playing(SoundMixer::kSound)) state_->current.clear();
  return state_->current;
}

void SoundPlayer::Beep() {
  if (!OpenOnFirstUse()) return;
  State::MixerLock lock(state_->device);
  state_->mixer.Start(SoundMixer::kBeep, &state_->beep);
}

}  // namespace platform::sdl
