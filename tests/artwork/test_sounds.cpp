// The generated WAV files: their headers, their lengths and the shapes the game relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "support/dib_decode.h"

namespace {

using artwork_test::Bytes;
using artwork_test::Le16;
using artwork_test::Le32;

struct Wav {
  Bytes bytes;
  std::vector<int> samples;
  double Seconds() const { return double(samples.size()) / 22050.0; }
};

Wav Load(const std::string& name) {
  Wav wav;
  wav.bytes = artwork_test::ReadBytes(std::string(FELDO_GAME_DIR) + "/" + name);
  if (wav.bytes.size() < 44) return wav;
  for (std::size_t at = 44; at + 1 < wav.bytes.size(); at += 2) {
    wav.samples.push_back(int(std::int16_t(Le16(wav.bytes, at))));
  }
  return wav;
}

double Rms(const std::vector<int>& s, double from, double to) {
  const std::size_t a = std::size_t(from * 22050), b = std::min(s.size(), std::size_t(to * 22050));
  double sum = 0;
  for (std::size_t i = a; i < b; ++i) sum += double(s[i]) * s[i];
  return b > a ? std::sqrt(sum / double(b - a)) : 0;
}

TEST(Sounds, AreMono16BitPcmAt22050HzWithConsistentSizes) {
  for (const char* name :
       {"kick.wav", "WHISTLE.wav", "KANSEI1.wav", "KANSEI4.wav", "PSMAT006.wav"}) {
    const Wav wav = Load(name);
    ASSERT_GT(wav.bytes.size(), 44u) << name;
    const Bytes& b = wav.bytes;
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF") << name;
    EXPECT_EQ(Le32(b, 4), b.size() - 8) << name;
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ") << name;
    EXPECT_EQ(Le32(b, 16), 16u) << name;
    EXPECT_EQ(Le16(b, 20), 1u) << name;  // PCM
    EXPECT_EQ(Le16(b, 22), 1u) << name;  // mono
    EXPECT_EQ(Le32(b, 24), 22050u) << name;
    EXPECT_EQ(Le32(b, 28), 44100u) << name;  // bytes per second
    EXPECT_EQ(Le16(b, 32), 2u) << name;      // bytes per frame
    EXPECT_EQ(Le16(b, 34), 16u) << name;
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data") << name;
    EXPECT_EQ(Le32(b, 40), b.size() - 44) << name;
    // Loud enough to hear, never clipped.
    int peak = 0;
    for (int s : wav.samples) peak = std::max(peak, std::abs(s));
    EXPECT_GT(peak, 10000) << name;
    EXPECT_LT(peak, 32767) << name;
  }
}

TEST(Sounds, LastAsLongAsTheirPartsNeed) {
  struct Length {
    const char* name;
    double low, high;
  };
  for (const Length& l : {Length{"kick.wav", 0.08, 0.3}, Length{"WHISTLE.wav", 0.6, 1.0},
                          Length{"KANSEI1.wav", 2.5, 3.5}, Length{"KANSEI4.wav", 3.5, 4.5},
                          Length{"PSMAT006.wav", 8.0, 12.0}}) {
    const double seconds = Load(l.name).Seconds();
    EXPECT_GE(seconds, l.low) << l.name;
    EXPECT_LE(seconds, l.high) << l.name;
  }
}

TEST(Sounds, TheKickIsOverQuicklyAndTheCheerSwellsAndFades) {
  const Wav kick = Load("kick.wav");
  EXPECT_GT(Rms(kick.samples, 0.0, 0.04), 8 * Rms(kick.samples, 0.15, 0.2));
  const Wav cheer = Load("KANSEI1.wav");
  const double middle = Rms(cheer.samples, 1.0, 1.6);
  EXPECT_GT(middle, 2 * Rms(cheer.samples, 0.0, 0.2));
  EXPECT_GT(middle, 4 * Rms(cheer.samples, 2.7, 3.0));
}

TEST(Sounds, TheMurmurLoopsWithoutAClick) {
  const Wav murmur = Load("KANSEI4.wav");
  ASSERT_GT(murmur.samples.size(), 1000u);
  // The step from the last sample back to the first is no bigger than the steps inside.
  std::vector<int> steps;
  for (std::size_t i = 1; i < murmur.samples.size(); ++i) {
    steps.push_back(std::abs(murmur.samples[i] - murmur.samples[i - 1]));
  }
  std::sort(steps.begin(), steps.end());
  const int typicalLargeStep = steps[steps.size() * 99 / 100];
  EXPECT_LE(std::abs(murmur.samples.front() - murmur.samples.back()), typicalLargeStep);
  // Its loudness stays even across the loop point.
  const double seconds = murmur.Seconds();
  const double end = Rms(murmur.samples, seconds - 0.5, seconds);
  const double start = Rms(murmur.samples, 0.0, 0.5);
  EXPECT_LT(std::max(start, end) / std::min(start, end), 1.6);
}

}  // namespace
