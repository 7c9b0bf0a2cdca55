// The game's five sounds, synthesised: 22 050 Hz, 16-bit mono PCM WAV files. Every random
// choice comes from a fixed-seed generator, so the files are the same bytes on every run.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "artwork/picture.h"

namespace artwork {

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2 * kPi;

using Signal = std::vector<double>;

int Samples(double seconds) {
  return int(std::lround(seconds * kRate));
}

// Fixed-seed noise: xorshift32 mapped to -1 .. 1.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  double Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return double(state_) / 2147483648.0 - 1.0;
  }
  double Between(double low, double high) { return low + (high - low) * (Next() + 1) / 2; }

 private:
  std::uint32_t state_;
};

// A second-order filter (the usual cookbook band-pass, low-pass and high-pass).
class Biquad {
 public:
  static Biquad BandPass(double frequency, double q) {
    const double w = kTwoPi * frequency / kRate, alpha = std::sin(w) / (2 * q);
    return Biquad(alpha, 0, -alpha, 1 + alpha, -2 * std::cos(w), 1 - alpha);
  }
  static Biquad LowPass(double frequency, double q) {
    const double w = kTwoPi * frequency / kRate, alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    return Biquad((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
  }
  static Biquad HighPass(double frequency, double q) {
    const double w = kTwoPi * frequency / kRate, alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    return Biquad((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
  }
  double Process(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
      : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0) {}
  double b0_, b1_, b2_, a1_, a2_;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Scales the signal so that its loudest sample reaches `peak` (of full scale).
std::vector<std::int16_t> ToPcm(const Signal& signal, double peak) {
  double loudest = 1e-9;
  for (double s : signal) loudest = std::max(loudest, std::abs(s));
  std::vector<std::int16_t> pcm(signal.size());
  for (std::size_t i = 0; i < signal.size(); ++i) {
    pcm[i] = std::int16_t(std::lround(std::clamp(signal[i] / loudest * peak, -1.0, 1.0) * 32767));
  }
  return pcm;
}

bool WriteWav(const std::string& path, const std::vector<std::int16_t>& pcm) {
  std::vector<std::uint8_t> bytes;
  auto put32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(std::uint8_t((v >> (8 * i)) & 255));
  };
  auto put16 = [&](std::uint32_t v) {
    bytes.push_back(std::uint8_t(v & 255));
    bytes.push_back(std::uint8_t((v >> 8) & 255));
  };
  auto tag = [&](const char* t) {
    for (int i = 0; i < 4; ++i) bytes.push_back(std::uint8_t(t[i]));
  };
  const std::uint32_t dataBytes = std::uint32_t(pcm.size() * 2);
  tag("RIFF");
  put32(36 + dataBytes);
  tag("WAVE");
  tag("fmt ");
  put32(16);
  put16(1);  // PCM
  put16(1);  // mono
  put32(kRate);
  put32(kRate * 2);  // bytes per second
  put16(2);          // bytes per frame
  put16(16);         // bits per sample
  tag("data");
  put32(dataBytes);
  for (std::int16_t s : pcm) put16(std::uint16_t(s));
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(file);
}

// kick.wav: the thump of a boot on the ball: a falling low tone, a leathery slap and a click.
Signal Kick() {
  const int n = Samples(0.2);
  Signal out(std::size_t(n), 0.0);
  Noise noise(0x4B1Cu);
  Biquad slap = Biquad::BandPass(700, 1.5);
  Biquad click = Biquad::HighPass(2500, 0.7);
  double phase = 0;
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / kRate;
    const double frequency = 60 + 130 * std::exp(-t / 0.018);
    phase += kTwoPi * frequency / kRate;
    const double body = std::sin(phase) * std::exp(-t / 0.055);
    const double white = noise.Next();
    const double leather = slap.Process(white) * std::exp(-t / 0.012) * 2.5;
    const double tick = click.Process(white) * std::exp(-t / 0.003) * 0.6;
    const double attack = std::min(1.0, t / 0.0015);
    out[std::size_t(i)] = attack * (body + leather + tick);
  }
  return out;
}

// WHISTLE.wav: a referee's pea whistle: a shrill tone that the rolling pea trills in loudness
// and pitch, with a little breath noise.
Signal Whistle() {
  const int n = Samples(0.8);
  Signal out(std::size_t(n), 0.0);
  Noise noise(0x3157u);
  Biquad breath = Biquad::BandPass(2900, 6);
  double phase = 0, trillPhase = 0;
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / kRate;
    // The pea's roll speeds up a little as the blast settles.
    const double trillRate = 24 + 8 * std::min(1.0, t / 0.3) + 2 * std::sin(kTwoPi * 1.7 * t);
    trillPhase += kTwoPi * trillRate / kRate;
    const double trill = std::sin(trillPhase);
    const double frequency = 2850 + 110 * trill + 40 * std::min(1.0, t / 0.1);
    phase += kTwoPi * frequency / kRate;
    const double tone = std::sin(phase) + 0.12 * std::sin(2 * phase);
    const double am = 0.72 + 0.28 * trill;
    double envelope = std::min(1.0, t / 0.02);
    envelope *= 1.0 - 0.15 * std::min(1.0, t / 0.6);
    const double end = 0.8 - t;
    if (end < 0.06) envelope *= std::max(0.0, end / 0.06);
    out[std::size_t(i)] = envelope * (am * tone + 0.35 * breath.Process(noise.Next()));
  }
  return out;
}

// A crowd: many voices singing out on "ah" at their own pitches, a roar of noise under them
// and, for the cheer, clapping. `level` (0 to 1) over time shapes the whole.
struct CrowdRecipe {
  double seconds;
  int voices;
  double lowPitch, highPitch;
  double syllableRate;  // 0: sustained shouting; above 0: the rhythm of talk
  double roar;          // loudness of the noise bed
  double claps;         // claps per second
  std::uint32_t seed;
};

Signal Crowd(const CrowdRecipe& recipe, const std::vector<double>& level) {
  const int n = Samples(recipe.seconds);
  Signal voices(std::size_t(n), 0.0);
  Noise noise(recipe.seed);
  for (int v = 0; v < recipe.voices; ++v) {
    const double pitch = noise.Between(recipe.lowPitch, recipe.highPitch);
    const double vibratoRate = noise.Between(4, 7), vibratoDepth = noise.Between(0.005, 0.02);
    const double onset = noise.Between(0, recipe.syllableRate > 0 ? recipe.seconds : 0.5);
    const double syllableRate = recipe.syllableRate * noise.Between(0.7, 1.3);
    const double syllableOffset = noise.Between(0, kTwoPi);
    const double glide = noise.Between(-0.15, 0.25);
    const double gain = noise.Between(0.5, 1.0);
    double phase = noise.Between(0, kTwoPi);
    for (int i = 0; i < n; ++i) {
      const double t = double(i) / kRate;
      double amplitude = gain;
      if (recipe.syllableRate > 0) {
        // Talk comes in phrases: a slow swell and fall, syllables inside it.
        const double phrase = 0.5 + 0.5 * std::sin(kTwoPi * (t - onset) / recipe.seconds * 3);
        const double syllable = std::max(0.0, std::sin(kTwoPi * syllableRate * t + syllableOffset));
        amplitude *= phrase * syllable;
      } else {
        amplitude *= std::clamp((t - onset) / 0.3, 0.0, 1.0);
      }
      if (amplitude <= 0) continue;
      const double bend = 1 + glide * std::min(1.0, t / 1.2) * (recipe.syllableRate > 0 ? 0 : 1);
      const double frequency =
          pitch * bend * (1 + vibratoDepth * std::sin(kTwoPi * vibratoRate * t));
      phase += kTwoPi * frequency / kRate;
      // A buzzy voice: the first few harmonics of a sawtooth.
      double s = 0;
      for (int k = 1; k <= 6; ++k) s += std::sin(k * phase) / k;
      voices[std::size_t(i)] += amplitude * s;
    }
  }
  // Shape the voices into "ah" with two formants, add the roar and the claps.
  Biquad formant1 = Biquad::BandPass(750, 2.5), formant2 = Biquad::BandPass(1200, 3);
  Biquad roarLow = Biquad::LowPass(1800, 0.7), roarHigh = Biquad::HighPass(180, 0.7);
  Biquad clapBand = Biquad::BandPass(1800, 1.2);
  Signal out(std::size_t(n), 0.0);
  double clapEnvelope = 0;
  for (int i = 0; i < n; ++i) {
    const double v = voices[std::size_t(i)] / std::sqrt(double(std::max(1, recipe.voices)));
    const double shaped = formant1.Process(v) + 0.6 * formant2.Process(v) + 0.15 * v;
    const double roar = roarHigh.Process(roarLow.Process(noise.Next())) * recipe.roar;
    if (recipe.claps > 0 && (noise.Next() + 1) / 2 < recipe.claps / kRate) clapEnvelope = 1.0;
    clapEnvelope *= 0.9985;
    const double clap = clapBand.Process(noise.Next()) * clapEnvelope * clapEnvelope * 0.8;
    const std::size_t at =
        std::min(level.size() - 1, std::size_t(i) * level.size() / std::size_t(n));
    out[std::size_t(i)] = level[at] * (shaped + roar + clap);
  }
  return out;
}

// KANSEI1.wav: the cheer after a goal: it swells over a second, holds, and dies away.
Signal Cheer() {
  const CrowdRecipe recipe{3.0, 70, 170, 430, 0, 1.4, 300, 0xC4EE5u};
  std::vector<double> level(300);
  for (std::size_t k = 0; k < level.size(); ++k) {
    const double t = 3.0 * double(k) / double(level.size());
    const double rise = std::min(1.0, t / 0.9);
    const double fall = t < 1.7 ? 1.0 : std::max(0.0, 1.0 - (t - 1.7) / 1.3);
    level[k] = rise * rise * (3 - 2 * rise) * fall * fall;
  }
  return Crowd(recipe, level);
}

// KANSEI4.wav: the murmur of the crowd during play, made to loop: the last half second is
// blended into the first, so the end runs on into the start without a click.
Signal Murmur() {
  constexpr double kSeconds = 4.0, kBlend = 0.5;
  const CrowdRecipe recipe{kSeconds + kBlend, 48, 110, 260, 4.5, 1.0, 12, 0x3A3Au};
  const Signal raw = Crowd(recipe, {1.0});
  const int n = Samples(kSeconds), blend = Samples(kBlend);
  Signal out(raw.begin(), raw.begin() + n);
  for (int i = 0; i < blend; ++i) {
    // Equal-power blend: the two stretches are unrelated noise, so the loudness holds.
    const double w = kPi / 2 * double(i) / blend;
    out[std::size_t(i)] = raw[std::size_t(i)] * std::sin(w) + raw[std::size_t(n + i)] * std::cos(w);
  }
  return out;
}

// PSMAT006.wav: the victory fanfare: a trumpet melody over brass chords and timpani, in C.
struct Note {
  int midi;  // 0 is a rest
  double beats;
};

double MidiFrequency(int midi) {
  return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// One brass note added into `out`: the higher harmonics grow as the note swells, as a horn's
// do; a little vibrato once it has settled; `release` seconds to die away after `length`.
void AddBrass(Signal* out, double start, double length, double frequency, double gain,
              double detune, double release = 0.12) {
  const int first = Samples(start), count = Samples(length + release);
  double phase = 0;
  for (int i = 0; i < count && first + i < int(out->size()); ++i) {
    const double t = double(i) / kRate;
    double envelope =
        t < 0.035 ? t / 0.035 * 1.15 : (t < 0.09 ? 1.15 - (t - 0.035) / 0.055 * 0.25 : 0.9);
    if (t > length) envelope *= std::max(0.0, 1 - (t - length) / release);
    const double vibrato = t > 0.18 ? 0.004 * std::sin(kTwoPi * 5.5 * t) : 0;
    phase += kTwoPi * frequency * (1 + detune + vibrato) / kRate;
    double s = 0;
    for (int k = 1; k <= 10; ++k) {
      if (frequency * k > kRate / 2.2) break;
      s +=
          std::pow(std::min(1.0, envelope), 0.6 * (k - 1)) * std::sin(k * phase) / std::pow(k, 1.1);
    }
    (*out)[std::size_t(first + i)] += gain * envelope * s;
  }
}

void AddTimpani(Signal* out, double start, double frequency, double gain, Noise* noise) {
  const int first = Samples(start), count = Samples(0.9);
  Biquad thud = Biquad::LowPass(300, 0.8);
  double phase = 0;
  for (int i = 0; i < count && first + i < int(out->size()); ++i) {
    const double t = double(i) / kRate;
    phase += kTwoPi * frequency * (1 + 0.04 * std::exp(-t / 0.05)) / kRate;
    const double tone = (std::sin(phase) + 0.3 * std::sin(1.5 * phase)) * std::exp(-t / 0.35);
    const double hit = thud.Process(noise->Next()) * std::exp(-t / 0.03) * 2;
    (*out)[std::size_t(first + i)] += gain * (tone + hit);
  }
}

void AddCymbal(Signal* out, double start, double gain, Noise* noise) {
  const int first = Samples(start), count = Samples(1.6);
  Biquad high = Biquad::HighPass(4000, 0.7);
  for (int i = 0; i < count && first + i < int(out->size()); ++i) {
    const double t = double(i) / kRate;
    (*out)[std::size_t(first + i)] += gain * high.Process(noise->Next()) * std::exp(-t / 0.5);
  }
}

Signal Fanfare() {
  constexpr double kBeat = 60.0 / 132.0;
  constexpr double kThird = 1.0 / 3.0;
  enum : int {
    G3 = 55,
    C4 = 60,
    D4 = 62,
    E4 = 64,
    F4 = 65,
    G4 = 67,
    A4 = 69,
    B4 = 71,
    C5 = 72,
    D5 = 74,
    E5 = 76,
    F5 = 77,
    G5 = 79,
    A5 = 81,
    C6 = 84
  };
  const std::vector<Note> melody = {
      {G4, kThird}, {G4, kThird}, {G4, kThird}, {C5, 1.5}, {G4, 0.5}, {C5, 1},   {E5, 1}, {G5, 2},
      {G4, kThird}, {G4, kThird}, {G4, kThird}, {D5, 1.5}, {B4, 0.5}, {D5, 1},   {F5, 1}, {A5, 2},
      {G5, 0.5},    {F5, 0.5},    {E5, 1},      {D5, 1},   {C5, 0.5}, {E5, 0.5}, {G5, 1}, {C6, 4}};
  // Chords under the melody: (first beat, beats, notes).
  struct Chord {
    double beat, beats;
    std::vector<int> notes;
  };
  const std::vector<Chord> chords = {{1, 6, {C4, E4, G4}},  {8, 4, {G3, B4 - 12, D4}},
                                     {12, 2, {D4, F4, A4}}, {14, 3, {G3, B4 - 12, F4}},
                                     {17, 2, {C4, E4, G4}}, {19, 4, {C4 - 12, C4, E4, G4}}};
  double totalBeats = 0;
  for (const Note& note : melody) totalBeats += note.beats;
  const double seconds = totalBeats * kBeat + 1.0;
  Signal out(std::size_t(Samples(seconds)), 0.0);
  Noise noise(0xFA4Fu);

  // The last note and the last chord ring out.
  double beat = 0;
  for (std::size_t n = 0; n < melody.size(); ++n) {
    const Note& note = melody[n];
    const double release = n + 1 == melody.size() ? 0.9 : 0.12;
    if (note.midi != 0) {
      const double length = note.beats * kBeat * (note.beats < 0.5 ? 0.75 : 0.92);
      AddBrass(&out, beat * kBeat, length, MidiFrequency(note.midi), 0.5, 0.0, release);
      AddBrass(&out, beat * kBeat, length, MidiFrequency(note.midi), 0.25, 0.0025, release);
    }
    beat += note.beats;
  }
  for (std::size_t c = 0; c < chords.size(); ++c) {
    const Chord& chord = chords[c];
    const double release = c + 1 == chords.size() ? 0.9 : 0.12;
    for (int midi : chord.notes) {
      AddBrass(&out, chord.beat * kBeat, chord.beats * kBeat * 0.95, MidiFrequency(midi), 0.16,
               -0.002, release);
    }
  }
  // Timpani on the strong beats of each phrase, a roll into the last chord, and a crash.
  for (double b : {1.0, 3.0, 8.0, 10.0, 12.0, 14.0}) {
    AddTimpani(&out, b * kBeat, MidiFrequency(b < 8 ? C4 - 24 : G3 - 12), 0.35, &noise);
  }
  for (int k = 0; k < 12; ++k) {
    AddTimpani(&out, (17 + k * 0.1667) * kBeat, MidiFrequency(G3 - 12), 0.08 + 0.02 * k, &noise);
  }
  AddTimpani(&out, 19 * kBeat, MidiFrequency(C4 - 24), 0.6, &noise);
  AddCymbal(&out, 19 * kBeat, 0.25, &noise);
  // Fade the very end to silence.
  const int fade = Samples(0.3);
  for (int i = 0; i < fade; ++i) out[out.size() - 1 - std::size_t(i)] *= double(i) / fade;
  return out;
}

}  // namespace

bool WriteSounds(const std::string& folder) {
  const std::string base = folder + "/";
  bool ok = true;
  ok &= WriteWav(base + "kick.wav", ToPcm(Kick(), 0.9));
  ok &= WriteWav(base + "WHISTLE.wav", ToPcm(Whistle(), 0.8));
  ok &= WriteWav(base + "KANSEI1.wav", ToPcm(Cheer(), 0.85));
  ok &= WriteWav(base + "KANSEI4.wav", ToPcm(Murmur(), 0.6));
  ok &= WriteWav(base + "PSMAT006.wav", ToPcm(Fanfare(), 0.85));
  return ok;
}

}  // namespace artwork
