// Sound through SDL's audio, on its dummy device (it plays in real time into nothing), so that
// these tests need no sound card; and the mixing of the two voices on its own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/platform.h"
#include "platform/sdl/sdl_sound.h"
#include "platform/sdl/sound_mixer.h"

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

TEST(SoundMixer, TheVoicesAddUpWithoutWrappingAndSilenceFillsTheRest) {
  SoundMixer mixer;
  const Samples sound = {1000, -1000, 30000, -30000, 5};
  const Samples beep = {10, 20, 10000, -10000};
  mixer.Start(SoundMixer::kSound, &sound);
  mixer.Start(SoundMixer::kBeep, &beep);
  std::int16_t out[7];
  std::fill(std::begin(out), std::end(out), std::int16_t{99});
  EXPECT_TRUE(mixer.Mix(out, 7));
  const std::int16_t expected[7] = {1010, -980, 32767, -32768, 5, 0, 0};
  EXPECT_TRUE(std::equal(std::begin(out), std::end(out), std::begin(expected)));
  EXPECT_FALSE(mixer.Playing(SoundMixer::kSound));
  EXPECT_FALSE(mixer.Playing(SoundMixer::kBeep));
}

TEST(SoundMixer, OnlyTheEndOfTheSoundIsReportedAndOnlyOnce) {
  SoundMixer mixer;
  const Samples sound(6, 7);
  const Samples beep(2, 1);
  mixer.Start(SoundMixer::kSound, &sound);
  mixer.Start(SoundMixer::kBeep, &beep);
  std::int16_t out[4];
  EXPECT_FALSE(mixer.Mix(out, 4));  // the beep ends here, the sound goes on
  EXPECT_EQ(out[0], 8);
  EXPECT_EQ(out[3], 7);
  EXPECT_TRUE(mixer.Playing(SoundMixer::kSound));
  EXPECT_FALSE(mixer.Playing(SoundMixer::kBeep));
  EXPECT_TRUE(mixer.Mix(out, 4));
  EXPECT_EQ(out[1], 7);
  EXPECT_EQ(out[2], 0);
  EXPECT_FALSE(mixer.Mix(out, 4));
}

TEST(SoundMixer, StartingAgainPlaysFromTheBeginningAndStopSilences) {
  SoundMixer mixer;
  const Samples first = {1, 2, 3, 4};
  const Samples second = {50, 60, 70};
  const Samples empty;
  mixer.Start(SoundMixer::kSound, &first);
  std::int16_t out[2];
  mixer.Mix(out, 2);
  mixer.Start(SoundMixer::kSound, &second);
  mixer.Mix(out, 2);
  EXPECT_EQ(out[0], 50);
  EXPECT_EQ(out[1], 60);
  mixer.Stop(SoundMixer::kSound);
  EXPECT_FALSE(mixer.Mix(out, 2));  // a stopped sound did not end by itself
  EXPECT_EQ(out[0], 0);
  mixer.Start(SoundMixer::kSound, &empty);
  EXPECT_FALSE(mixer.Playing(SoundMixer::kSound));
}

}  // namespace
}  // namespace platform::sdl
