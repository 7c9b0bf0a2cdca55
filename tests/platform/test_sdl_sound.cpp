// Sound through SDL2_mixer, on SDL's dummy audio device (it plays in real time into nothing),
// so that these tests need no sound card.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/platform.h"
#include "platform/sdl/sdl_sound.h"

namespace platform::sdl {
namespace {

namespace fs = std::filesystem;

// A mono 8-bit PCM WAV file of the given length (a quiet square wave).
void WriteWav(const fs::path& path, int milliseconds) {
  const std::uint32_t rate = 8000;
  const std::uint32_t samples = rate * std::uint32_t(milliseconds) / 1000;
  std::ofstream out(path, std::ios::binary);
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.put(char((v >> (8 * i)) & 255));
  };
  auto u16 = [&](std::uint16_t v) {
    out.put(char(v & 255));
    out.put(char(v >> 8));
  };
  out.write("RIFF", 4);
  u32(36 + samples);
  out.write("WAVEfmt ", 8);
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(rate);
  u32(rate);  // bytes per second
  u16(1);     // block align
  u16(8);     // bits per sample
  out.write("data", 4);
  u32(samples);
  for (std::uint32_t i = 0; i < samples; ++i) out.put(char((i / 20) % 2 ? 140 : 116));
}

class SdlSound : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    dir_ = fs::path(FELDO_TEST_WORK_DIR) /
           (std::string("sdl-sound-") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::current_path(dir_);
    WriteWav("long.wav", 20000);  // outlasts any test
    WriteWav("other.wav", 20000);
    WriteWav("WHISTLE.wav", 20000);
    WriteWav("short.wav", 60);
    std::ofstream("broken.wav") << "not a wave file";
  }
  void TearDown() override {
    player_.Close();
    fs::current_path(previous_);
    unsetenv("SDL_AUDIODRIVER");
  }
  void OpenDummy() {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_TRUE(player_.Open());
  }

  fs::path previous_, dir_;
  SoundPlayer player_;
};

TEST_F(SdlSound, ANewSoundReplacesTheOnePlaying) {
  OpenDummy();
  player_.Play("long.wav", true);
  EXPECT_EQ(player_.Current(), "long.wav");
  player_.Play("other.wav", true);
  EXPECT_EQ(player_.Current(), "other.wav");
}

TEST_F(SdlSound, SilentPlayedSynchronouslyStopsTheSound) {
  OpenDummy();
  player_.Play("long.wav", true);
  player_.Play("silent", false);
  EXPECT_EQ(player_.Current(), "");
}

TEST_F(SdlSound, MissingOrBrokenFilesAreSilenceAndStillStopTheSoundPlaying) {
  OpenDummy();
  player_.Play("long.wav", true);
  player_.Play("nowhere.wav", true);
  EXPECT_EQ(player_.Current(), "");
  player_.Play("long.wav", true);
  player_.Play("broken.wav", true);
  EXPECT_EQ(player_.Current(), "");
  player_.Play("nowhere.wav", false);  // synchronous: returns at once as well
  EXPECT_EQ(player_.Current(), "");
}

TEST_F(SdlSound, SynchronousPlayReturnsWhenTheSoundHasEnded) {
  OpenDummy();
  player_.Play("short.wav", false);
  EXPECT_EQ(player_.Current(), "");
  // Played again from the cache.
  player_.Play("short.wav", false);
  EXPECT_EQ(player_.Current(), "");
}

TEST_F(SdlSound, NamesMatchFilesRegardlessOfCase) {
  OpenDummy();
  player_.Play("whistle.WAV", true);
  EXPECT_EQ(player_.Current(), "whistle.WAV");
}

TEST_F(SdlSound, TheCacheFollowsTheCurrentDirectory) {
  OpenDummy();
  player_.Play("long.wav", true);
  fs::create_directories("elsewhere");
  fs::current_path("elsewhere");
  player_.Play("long.wav", true);  // no such file here, cached or not
  EXPECT_EQ(player_.Current(), "");
}

TEST_F(SdlSound, WithoutAnAudioDeviceEverythingIsSilent) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  EXPECT_FALSE(player_.Open());
  EXPECT_FALSE(player_.HasAudio());
  player_.Play("long.wav", true);
  EXPECT_EQ(player_.Current(), "");
  player_.Play("short.wav", false);
  player_.Play("silent", false);
  player_.Beep();
  EXPECT_EQ(player_.Current(), "");
}

TEST_F(SdlSound, TheDeviceOpensWithTheFirstSoundAndAMissingOneIsReportedInOneLine) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  player_.Play("silent", true);  // silence asks for no device
  EXPECT_FALSE(player_.HasAudio());
  player_.Play("long.wav", true);
  EXPECT_TRUE(player_.HasAudio());
  EXPECT_EQ(player_.Current(), "long.wav");
  player_.Close();

  sdl::SoundPlayer without;
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  testing::internal::CaptureStderr();
  without.Play("long.wav", true);
  without.Beep();
  without.Play("short.wav", true);
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(without.HasAudio());
  EXPECT_EQ(said, "No sound device could be opened: the game runs without sound.\n");
}

TEST_F(SdlSound, TheBeepLeavesTheProgramsSoundAlone) {
  OpenDummy();
  player_.Play("long.wav", true);
  player_.Beep();
  EXPECT_EQ(player_.Current(), "long.wav");
}

}  // namespace
}  // namespace platform::sdl
