// The cost of one match frame's drawing: composing a 930 × 479 frame of typical content
// off screen (pitch fill, eight stripe polygons, the lines and arcs, boards, goals, flags,
// 25 masked players with overlays, the ball, a few texts) and presenting it with one block
// copy to a window-sized context, next to a plain memset and memcpy of the same buffer
// measured in the same run. The ratios printed at the end are what to watch.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "frame_baseline.h"
#include "platform/internal.h"
#include "platform/platform.h"

namespace {

using namespace platform;

using frame_baseline::kFrameHeight;
using frame_baseline::kFrameWidth;

// A packed bitmap (40-byte header) from rows given top-down; `pixel(x, y)` gives indices.
template <typename PixelFn>
std::vector<std::uint8_t> MakePicture(int width, int height, int bitCount,
                                      const std::vector<Color>& palette, PixelFn pixel) {
  const std::size_t stride = ((std::size_t(width) * std::size_t(bitCount) + 31) / 32) * 4;
  std::vector<std::uint8_t> dib(40 + palette.size() * 4 + stride * std::size_t(height), 0);
  auto put = [&](std::size_t at, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) dib[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
  };
  put(0, 40, 4);
  put(4, std::uint32_t(width), 4);
  put(8, std::uint32_t(height), 4);
  put(12, 1, 2);
  put(14, std::uint32_t(bitCount), 2);
  put(32, std::uint32_t(palette.size()), 4);
  for (std::size_t i = 0; i < palette.size(); ++i) {
    dib[40 + i * 4] = std::uint8_t(BlueOf(palette[i]));
    dib[40 + i * 4 + 1] = std::uint8_t(GreenOf(palette[i]));
    dib[40 + i * 4 + 2] = std::uint8_t(RedOf(palette[i]));
  }
  std::uint8_t* bits = dib.data() + 40 + palette.size() * 4;
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = bits + std::size_t(height - 1 - y) * stride;
    for (int x = 0; x < width; ++x) {
      const unsigned v = pixel(x, y);
      if (bitCount == 1) {
        row[x / 8] = std::uint8_t(row[x / 8] | ((v & 1) << (7 - x % 8)));
      } else {
        row[x] = std::uint8_t(v);
      }
    }
  }
  return dib;
}

// The figure of a player: an ellipse-ish body in a 16 × 20 box.
bool InFigure(int x, int y) {
  const int dx = 2 * x - 15;
  const int dy = 2 * y - 19;
  return dx * dx * 100 + dy * dy * 64 <= 6400;
}

struct Scene {
  std::vector<std::uint8_t> playerMask;  // 1 bit: white where the pitch shows
  std::vector<std::uint8_t> player;      // 8 bits: black outside the figure
  std::vector<std::uint8_t> overlay;     // 1 bit: darkens the shirt
  std::vector<std::uint8_t> goalMask;
  std::vector<std::uint8_t> goal;
  std::vector<std::uint8_t> board;
  std::vector<std::uint8_t> crowd;
  Brush* pitch = nullptr;
  Brush* stripe = nullptr;
  Pen* white = nullptr;

  Scene() {
    const std::vector<Color> kit = {0, Rgb(255, 255, 255), Rgb(0, 0, 200), Rgb(250, 200, 150),
                                    Rgb(20, 20, 20)};
    playerMask = MakePicture(16, 20, 1, {0, Rgb(255, 255, 255)},
                             [](int x, int y) { return InFigure(x, y) ? 0u : 1u; });
    player = MakePicture(16, 20, 8, kit, [](int x, int y) {
      return InFigure(x, y) ? unsigned(1 + (y / 5) % 4) : 0u;
    });
    overlay = MakePicture(16, 20, 1, {Rgb(128, 128, 128), Rgb(255, 255, 255)},
                          [](int x, int y) { return InFigure(x, y) && y > 6 && y < 12 ? 0u : 1u; });
    auto inGoal = [](int x, int y) { return x < 4 || y < 4 || y > 75 || (x + y) % 6 == 0; };
    goalMask = MakePicture(37, 80, 1, {0, Rgb(255, 255, 255)},
                           [&](int x, int y) { return inGoal(x, y) ? 0u : 1u; });
    goal = MakePicture(37, 80, 8, {0, Rgb(255, 255, 255)},
                       [&](int x, int y) { return inGoal(x, y) ? 1u : 0u; });
    board = MakePicture(80, 14, 8, {Rgb(0, 0, 160), Rgb(255, 255, 0)},
                        [](int x, int y) { return (x / 6 + y / 7) % 2; });
    crowd = MakePicture(100, 30, 8, {Rgb(90, 60, 40), Rgb(200, 160, 120), Rgb(30, 30, 90)},
                        [](int x, int y) { return unsigned((x * 7 + y * 3) % 3); });
    pitch = CreateSolidBrush(Rgb(0, 240, 0));
    stripe = CreateSolidBrush(Rgb(0, 220, 0));
    white = CreatePen(PenStyle::Solid, 1, Rgb(255, 255, 255));
  }
};

void Picture(DeviceContext* dc, int x, int y, const std::vector<std::uint8_t>& dib, Rop rop,
             bool mirrored = false) {
  DibInfo info;
  ParsePackedDib(dib.data(), dib.size(), &info);
  StretchDib(dc, x, y, mirrored ? -info.width : info.width, info.height, dib.data(), dib.size(),
             rop);
}

void Text(DeviceContext* dc, const FontSpec& spec, int x, int y, Color colour,
          const std::string& text) {
  Font* font = CreateFont(spec);
  Font* previous = SelectFont(dc, font);
  SetTextColor(dc, colour);
  TextOut(dc, x, y, text);
  SelectFont(dc, previous);
  DeleteObject(font);
}

void ComposeFrame(DeviceContext* dc, const Scene& scene) {
  SelectPen(dc, StockPen(StockObject::NullPen));
  FillRect(dc, Rect{0, 0, kFrameWidth, kFrameHeight}, scene.pitch);
  SelectBrush(dc, scene.stripe);
  const int leans[] = {30, 20, 20, 10};
  for (int i = 0; i < 4; ++i) {
    const int c = 115 * i;
    const int k = leans[i];
    const Point left[] = {{k + 30 + c, 60}, {c + 30, 450}, {k + 70 + c, 450}, {k + 85 + c, 60}};
    const Point right[] = {
        {-k - c + 910, 60}, {-c + 910, 450}, {-k - c + 870, 450}, {-k - c + 855, 60}};
    Polygon(dc, left, 4);
    Polygon(dc, right, 4);
  }
  SelectPen(dc, scene.white);
  SelectBrush(dc, StockBrush(StockObject::NullBrush));
  const int lines[][4] = {{60, 60, 30, 450},    {880, 60, 910, 450},  {60, 60, 880, 60},
                          {30, 450, 910, 450},  {470, 60, 470, 450},  {55, 140, 173, 140},
                          {173, 140, 165, 360}, {165, 360, 38, 360},  {885, 140, 767, 140},
                          {767, 140, 775, 360}, {775, 360, 902, 360}, {50, 190, 95, 190},
                          {95, 190, 90, 310},   {90, 310, 40, 310},   {890, 190, 845, 190},
                          {845, 190, 850, 310}, {850, 310, 900, 310}};
  for (int round = 0; round < 2; ++round) {
    for (const auto& l : lines) {
      MoveTo(dc, l[0], l[1] + round);
      LineTo(dc, l[2], l[3] + round);
    }
  }
  Ellipse(dc, 400, 195, 540, 295);
  Arc(dc, 55, 195, 195, 295, 185, 302, 175, 202);
  Arc(dc, 745, 195, 885, 295, 765, 200, 755, 300);
  Arc(dc, 50, 50, 70, 70, 60, 70, 70, 60);
  Arc(dc, 20, 440, 40, 460, 40, 450, 30, 440);
  Arc(dc, 870, 50, 890, 70, 870, 60, 880, 70);
  Arc(dc, 900, 440, 920, 460, 910, 440, 900, 450);
  for (int x = 0; x < kFrameWidth; x += 100)
    DibToDevice(dc, x, 0, scene.crowd.data(), scene.crowd.size());
  for (int i = 0; i < 5; ++i)
    DibToDevice(dc, 90 + i * 160, 44, scene.board.data(), scene.board.size());
  Picture(dc, 13, 200, scene.goalMask, Rop::SrcAnd);
  Picture(dc, 13, 200, scene.goal, Rop::SrcPaint);
  Picture(dc, 892, 200, scene.goalMask, Rop::SrcAnd, true);
  Picture(dc, 892, 200, scene.goal, Rop::SrcPaint, true);
  for (int i = 0; i < 25; ++i) {
    const int x = 60 + (i * 137) % 800;
    const int y = 70 + (i * 53) % 360;
    const bool mirrored = i % 3 == 0;
    Picture(dc, x, y, scene.playerMask, Rop::SrcAnd, mirrored);
    Picture(dc, x, y, scene.player, Rop::SrcPaint, mirrored);
    if (i % 2 == 0) Picture(dc, x, y, scene.overlay, Rop::SrcAnd, mirrored);
  }
  SelectPen(dc, StockPen(StockObject::BlackPen));
  Rectangle(dc, 300, 240, 324, 252);  // the marker under the user's player
  SelectBrush(dc, StockBrush(StockObject::BlackBrush));
  Rectangle(dc, 385, 0, 545, 30);
  SetBkMode(dc, BkMode::Transparent);
  Text(dc, {10, 8, 10}, 395, 4, Rgb(255, 255, 255), "JPN  2 -  1  BRA");
  SetBkMode(dc, BkMode::Opaque);
  SetBkColor(dc, Rgb(0, 0, 0));
  Text(dc, {10, 8, 10}, 395, 16, Rgb(255, 255, 255), "後半 38:12");
  SetBkMode(dc, BkMode::Transparent);
  Text(dc, {16, 10, 24}, 420, 240, Rgb(255, 0, 0), "G O A L !!");
  SetBkMode(dc, BkMode::Opaque);
}

struct Fixture {
  Scene scene;
  detail::Surface window;
  DeviceContext* windowDc = nullptr;
  Fixture() {
    window.Resize(900, 580, 0);
    windowDc = detail::CreateSurfaceDC(&window);
  }
  ~Fixture() { detail::ShutdownDrawing(); }
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

void BM_ComposeFrame(benchmark::State& state) {
  Fixture& f = Shared();
  DeviceContext* memory = CreateCompatibleDC(f.windowDc);
  Bitmap* frame = CreateCompatibleBitmap(f.windowDc, kFrameWidth, kFrameHeight);
  Bitmap* born = SelectBitmap(memory, frame);
  for (auto _ : state) {
    ComposeFrame(memory, f.scene);
    benchmark::DoNotOptimize(BitmapPixels(frame));
  }
  SelectBitmap(memory, born);
  DeleteDC(memory);
  DeleteObject(frame);
}

void BM_PresentFrame(benchmark::State& state) {
  Fixture& f = Shared();
  DeviceContext* memory = CreateCompatibleDC(f.windowDc);
  Bitmap* frame = CreateCompatibleBitmap(f.windowDc, kFrameWidth, kFrameHeight);
  Bitmap* born = SelectBitmap(memory, frame);
  ComposeFrame(memory, f.scene);
  for (auto _ : state) {
    BitBlt(f.windowDc, 0, 0, kFrameWidth, kFrameHeight, memory, 0, 0, Rop::SrcCopy);
    benchmark::DoNotOptimize(f.window.pixels.data());
  }
  SelectBitmap(memory, born);
  DeleteDC(memory);
  DeleteObject(frame);
}

// As the match view does it: a fresh bitmap and memory context per frame, compose, copy.
void BM_ComposeAndPresentFrame(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) {
    DeviceContext* memory = CreateCompatibleDC(f.windowDc);
    Bitmap* frame = CreateCompatibleBitmap(f.windowDc, kFrameWidth, kFrameHeight);
    Bitmap* born = SelectBitmap(memory, frame);
    ComposeFrame(memory, f.scene);
    BitBlt(f.windowDc, 0, 0, kFrameWidth, kFrameHeight, memory, 0, 0, Rop::SrcCopy);
    SelectBitmap(memory, born);
    DeleteDC(memory);
    DeleteObject(frame);
    benchmark::DoNotOptimize(f.window.pixels.data());
  }
}

using frame_baseline::BM_MemcpyFrame;
using frame_baseline::BM_MemsetFrame;

BENCHMARK(BM_MemsetFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemcpyFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposeFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PresentFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposeAndPresentFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  frame_baseline::RatioReporter reporter(
      {"BM_ComposeFrame", "BM_PresentFrame", "BM_ComposeAndPresentFrame"});
  return frame_baseline::RunWithRatios(argc, argv, &reporter);
}
