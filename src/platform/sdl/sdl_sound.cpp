// Sound through SDL2_mixer: WAV files by name, cached, on one channel; a generated beep.
#include "platform/sdl/sdl_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
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
#include <map>
#include <mutex>
#include <numbers>
#include <vector>

#include "platform/platform.h"

namespace platform::sdl {

namespace {

constexpr int kSoundChannel = 0;  // the one channel of the program's sounds
constexpr int kBeepChannel = 1;
constexpr int kFrequency = 22050;
constexpr int kChunkFrames = 512;  // about 23 ms of latency at 22050 Hz

// The mixer reports the end of a channel's sound on its own thread, through a callback that
// takes no context; there is one mixer per process, so this record is process-wide.
struct ChannelEnd {
  std::mutex mutex;
  std::condition_variable ended;
  bool soundBusy = false;
};
ChannelEnd channelEnd;

void OnChannelFinished(int channel) {
  if (channel != kSoundChannel) return;
  {
    std::lock_guard<std::mutex> lock(channelEnd.mutex);
    channelEnd.soundBusy = false;
  }
  channelEnd.ended.notify_all();
}

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
  bool tried = false;  // the device was asked for (it is opened by the first sound)
  bool open = false;
  std::map<std::string, Mix_Chunk*> chunks;  // by absolute path; never nullptr
  std::string current;                       // the name of the last sound started
  std::vector<std::uint8_t> beepSamples;     // owned here, the beep chunk points into it
  Mix_Chunk* beep = nullptr;
  int frequency = kFrequency;
  int channels = 2;
  int bytesPerFrame = 4;

  Mix_Chunk* Load(const std::string& name) {
    const std::string path = FindSoundFile(name);
    if (path.empty()) return nullptr;
    const std::string key = path[0] == '/' ? path : CurrentDirectory() + "/" + path;
    if (auto it = chunks.find(key); it != chunks.end()) return it->second;
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (chunk != nullptr) chunks[key] = chunk;
    return chunk;
  }

  void MakeBeep() {
    Uint16 format = 0;
    if (Mix_QuerySpec(&frequency, &format, &channels) == 0) return;
    if (format != AUDIO_S16SYS || channels < 1) return;
    bytesPerFrame = 2 * channels;
    const int frames = frequency * 120 / 1000;  // 120 ms of a 880 Hz tone, faded at both ends
    const int fade = frequency * 8 / 1000;
    beepSamples.assign(std::size_t(frames) * std::size_t(bytesPerFrame), 0);
    auto* out = reinterpret_cast<std::int16_t*>(beepSamples.data());
    for (int i = 0; i < frames; ++i) {
      double level = 0.3;
      if (i < fade) level *= double(i) / fade;
      if (frames - i < fade) level *= double(frames - i) / fade;
      const double phase = 2.0 * std::numbers::pi * 880.0 * i / frequency;
      const auto sample = std::int16_t(std::lround(32767.0 * level * std::sin(phase)));
      for (int c = 0; c < channels; ++c) out[std::size_t(i) * std::size_t(channels) + c] = sample;
    }
    beep = Mix_QuickLoad_RAW(beepSamples.data(), Uint32(beepSamples.size()));
  }

  // How long a chunk plays, for the bound on a synchronous wait.
  std::chrono::milliseconds Duration(const Mix_Chunk* chunk) const {
    const long long perSecond = (long long)frequency * bytesPerFrame;
    return std::chrono::milliseconds(perSecond > 0 ? chunk->alen * 1000LL / perSecond : 0);
  }
};

SoundPlayer::SoundPlayer() : state_(std::make_unique<State>()) {}

SoundPlayer::~SoundPlayer() {
  Close();
}

bool SoundPlayer::Open() {
  if (state_->open) return true;
  state_->tried = true;
  const bool opened = Quietly([] {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, 2, kChunkFrames) != 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    return true;
  });
  if (!opened) {
    std::fprintf(stderr, "No sound device could be opened: the game runs without sound.\n");
    return false;
  }
  Mix_AllocateChannels(2);
  Mix_ChannelFinished(OnChannelFinished);
  state_->open = true;
  state_->MakeBeep();
  return true;
}

void SoundPlayer::Close() {
  if (!state_->open) return;
  Mix_HaltChannel(-1);
  Mix_ChannelFinished(nullptr);
  for (auto& [path, chunk] : state_->chunks) Mix_FreeChunk(chunk);
  state_->chunks.clear();
  if (state_->beep != nullptr) Mix_FreeChunk(state_->beep);
  state_->beep = nullptr;
  state_->beepSamples.clear();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  state_->open = false;
  state_->current.clear();
}

bool SoundPlayer::HasAudio() const {
  return state_->open;
}

bool SoundPlayer::OpenOnFirstUse() {
  if (!state_->open && !state_->tried) Open();
  return state_->open;
}

void SoundPlayer::Play(std::string_view fileName, bool async) {
  // Silence needs no device: "silent" only stops what plays.
  if (fileName == "silent" ? !state_->open : !OpenOnFirstUse()) return;
  // Halting runs the end callback on this thread; our lock must not be held around mixer
  // calls (the audio thread holds the mixer's lock when it calls back).
  Mix_HaltChannel(kSoundChannel);
  state_->current.clear();
  const std::string name(fileName);
  if (name == "silent") return;
  Mix_Chunk* chunk = state_->Load(name);
  if (chunk == nullptr) return;
  {
    std::lock_guard<std::mutex> lock(channelEnd.mutex);
    channelEnd.soundBusy = true;
  }
  if (Mix_PlayChannel(kSoundChannel, chunk, 0) < 0) {
    std::lock_guard<std::mutex> lock(channelEnd.mutex);
    channelEnd.soundBusy = false;
    return;
  }
  state_->current = name;
  if (async) return;
  // Wait for the end, but never for ever: a device that stops delivering must not freeze the
  // program.
  std::unique_lock<std::mutex> lock(channelEnd.mutex);
  channelEnd.ended.wait_for(lock, state_->Duration(chunk) + std::chrono::seconds(2),
                            [] { return !channelEnd.soundBusy; });
}

std::string SoundPlayer::Current() {
  if (!state_->open || state_->current.empty()) return std::string();
  if (Mix_Playing(kSoundChannel) == 0) state_->current.clear();
  return state_->current;
}

void SoundPlayer::Beep() {
  if (OpenOnFirstUse() && state_->beep != nullptr) Mix_PlayChannel(kBeepChannel, state_->beep, 0);
}

}  // namespace platform::sdl
