// The platform demo's drawing: text at several sizes, shapes, the masked picture, the state of
// the keyboard, mouse and dialogs, and the strip the timer animates.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "demo.h"

using namespace platform;

namespace demo {

namespace {

constexpr int kPictureSize = 32;

void Put16(std::vector<std::uint8_t>* out, int value) {
  out->push_back(std::uint8_t(value & 255));
  out->push_back(std::uint8_t((value >> 8) & 255));
}
void Put32(std::vector<std::uint8_t>* out, std::int64_t value) {
  for (int i = 0; i < 4; ++i) out->push_back(std::uint8_t((value >> (8 * i)) & 255));
}

// A packed bitmap with a 40-byte header: `colours` as 0xRRGGBB, `index(x, y)` per pixel.
template <typename IndexOf>
std::vector<std::uint8_t> PackDib(int bitCount, const std::vector<Color>& colours, IndexOf index) {
  const int stride = ((kPictureSize * bitCount + 31) / 32) * 4;
  std::vector<std::uint8_t> dib;
  Put32(&dib, 40);
  Put32(&dib, kPictureSize);
  Put32(&dib, kPictureSize);  // positive: rows bottom-up
  Put16(&dib, 1);
  Put16(&dib, bitCount);
  Put32(&dib, 0);  // no compression
  Put32(&dib, std::int64_t(stride) * kPictureSize);
  Put32(&dib, 0);
  Put32(&dib, 0);
  Put32(&dib, std::int64_t(colours.size()));
  Put32(&dib, 0);
  for (Color c : colours) {
    dib.push_back(std::uint8_t(BlueOf(c)));
    dib.push_back(std::uint8_t(GreenOf(c)));
    dib.push_back(std::uint8_t(RedOf(c)));
    dib.push_back(0);
  }
  for (int row = kPictureSize - 1; row >= 0; --row) {
    std::vector<std::uint8_t> bytes(std::size_t(stride), 0);
    for (int x = 0; x < kPictureSize; ++x) {
      const int value = index(x, row);
      if (bitCount == 8) {
        bytes[std::size_t(x)] = std::uint8_t(value);
      } else if (value != 0) {
        bytes[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
      }
    }
    dib.insert(dib.end(), bytes.begin(), bytes.end());
  }
  return dib;
}

// Colour index of the flag picture: 0 background, 1 white, 2 red, 3 grey, 4 black.
int FlagIndex(int x, int y) {
  if (x >= 3 && x <= 4 && y >= 2) return 3;  // the pole
  const int dy = std::abs(y - 10);
  if (y >= 3 && y <= 17 && x >= 5 && x <= 5 + 23 * (7 - dy) / 7) return 2;  // the pennant
  const int bx = x - 21, by = y - 24;
  if (bx * bx + by * by <= 36) return ((x / 3 + y / 3) % 2 == 0) ? 4 : 1;  // a ball
  return 0;
}

void TextAt(DeviceContext* dc, int x, int y, FontSpec spec, const std::string& text,
            Color colour = Rgb(0, 0, 0)) {
  Font* font = CreateFont(spec);
  Font* old = SelectFont(dc, font);
  SetTextColor(dc, colour);
  TextOut(dc, x, y, text);
  SelectFont(dc, old);
  DeleteObject(font);
}

void DrawTextSamples(DeviceContext* dc) {
  SetBkMode(dc, BkMode::Transparent);
  TextAt(dc, 16, 8, {32, 16, 400}, "Platform demo プラットフォーム", Rgb(0, 0, 128));
  TextAt(dc, 16, 48, {24, 12, 400}, "24 px: 日本語と English");
  TextAt(dc, 16, 78, {16, 8, 400}, "16 px: システムフォント 8 x 16, the system font");
  TextAt(dc, 16, 98, {12, 6, 400}, "12 px: 小さい文字 small text ｱｲｳ half-width kana");
  TextAt(dc, 16, 114, {20, 10, 700}, "20 px bold: 太字 Bold", Rgb(160, 0, 0));
  TextAt(dc, 16, 138, {16, 16, 400}, "Wide 16x16: ワイド");
}

void DrawShapes(DeviceContext* dc) {
  Pen* dotted = CreatePen(PenStyle::Dot, 1, Rgb(0, 0, 0));
  Pen* red2 = CreatePen(PenStyle::Solid, 2, Rgb(255, 0, 0));
  Brush* yellow = CreateSolidBrush(Rgb(255, 220, 0));
  Brush* blue = CreateSolidBrush(Rgb(40, 80, 200));
  Pen* oldPen = SelectPen(dc, dotted);
  Brush* oldBrush = SelectBrush(dc, StockBrush(StockObject::WhiteBrush));
  SetBkMode(dc, BkMode::Opaque);
  Rectangle(dc, 16, 170, 136, 250);
  SelectPen(dc, red2);
  SelectBrush(dc, yellow);
  Ellipse(dc, 150, 170, 270, 250);
  SelectPen(dc, StockPen(StockObject::BlackPen));
  SelectBrush(dc, blue);
  const Point star[] = {{340, 170}, {360, 245}, {295, 198}, {385, 198}, {320, 245}};
  Polygon(dc, star, 5);
  SelectPen(dc, red2);
  Arc(dc, 400, 170, 480, 250, 480, 210, 440, 250);  // three quarters, counter-clockwise
  SelectPen(dc, StockPen(StockObject::BlackPen));
  MoveTo(dc, 490, 170);
  LineTo(dc, 540, 250);
  SelectPen(dc, oldPen);
  SelectBrush(dc, oldBrush);
  DeleteObject(dotted);
  DeleteObject(red2);
  DeleteObject(yellow);
  DeleteObject(blue);
}

// The flag on a striped field: masked (the field shows through), mirrored, and copied plain
// (its background black) for comparison.
void DrawPictures(DeviceContext* dc) {
  static const std::vector<std::uint8_t> picture = FlagPicture();
  static const std::vector<std::uint8_t> mask = FlagMask();
  for (int i = 0; i < 8; ++i) {
    Brush* stripe = CreateSolidBrush(i % 2 ? Rgb(0, 150, 0) : Rgb(0, 120, 0));
    FillRect(dc, Rect{570, 16 + i * 16, 880, 32 + i * 16}, stripe);
    DeleteObject(stripe);
  }
  StretchDib(dc, 590, 30, 64, 64, mask.data(), mask.size(), Rop::SrcAnd);
  StretchDib(dc, 590, 30, 64, 64, picture.data(), picture.size(), Rop::SrcPaint);
  StretchDib(dc, 690, 30, -64, 64, mask.data(), mask.size(), Rop::SrcAnd);
  StretchDib(dc, 690, 30, -64, 64, picture.data(), picture.size(), Rop::SrcPaint);
  DibToDevice(dc, 800, 46, picture.data(), picture.size());
  SetBkMode(dc, BkMode::Transparent);
  TextAt(dc, 580, 112, {12, 6, 400}, "AND + OR", Rgb(255, 255, 255));
  TextAt(dc, 684, 112, {12, 6, 400}, "mirrored", Rgb(255, 255, 255));
  TextAt(dc, 782, 112, {12, 6, 400}, "plain copy", Rgb(255, 255, 255));
}

std::string CharText(std::uint32_t c) {
  if (c == 0) return "none";
  if (c >= 32 && c < 127) return Format("U+%04x '%c'", unsigned(c), int(c));
  return Format("U+%04x", unsigned(c));
}

void DrawState(DeviceContext* dc) {
  const DemoState& s = demoState;
  SetBkMode(dc, BkMode::Transparent);
  const FontSpec font{16, 8, 400};
  int y = 270;
  auto line = [&](const std::string& text) {
    TextAt(dc, 16, y, font, text);
    y += 20;
  };
  line(Format("Last key: 0x%02x%s   key downs: %d   (arrows move the blue marker)", s.lastKey,
              s.lastKeyRepeat ? " (repeat)" : "", s.keyDowns));
  line("Last character: " + CharText(s.lastChar));
  line(Format("Mouse: (%d, %d)   clicks: %d   double clicks: %d", s.mouseX, s.mouseY, s.clicks,
              s.doubleClicks));
  line(Format("Dialog: result %d, radio %d, sound %s, list line %d", s.dialogResult, s.radio,
              s.soundChecked ? "on" : "off", s.listSelection));
  line(Format("Message box: %d   menu ファイル: dialogs, beep, sound;  F11: full screen",
              s.messageResult));
  Brush* blue = CreateSolidBrush(Rgb(0, 0, 255));
  const int half = s.bigMarker ? 12 : 6;
  FillRect(dc, Rect{s.markerX - half, s.markerY - half, s.markerX + half, s.markerY + half}, blue);
  DeleteObject(blue);
}

void DrawAnimation(DeviceContext* dc, const Rect& strip) {
  Brush* grass = CreateSolidBrush(Rgb(0, 140, 0));
  FillRect(dc, strip, grass);
  DeleteObject(grass);
  const int travel = 600;  // the ball rolls to and fro left of the text
  const int x = strip.left + (demoState.timerTicks * 6) % (2 * travel);
  const int ballX = x - strip.left < travel ? x : strip.left + 2 * travel - (x - strip.left);
  Pen* oldPen = SelectPen(dc, StockPen(StockObject::BlackPen));
  Brush* oldBrush = SelectBrush(dc, StockBrush(StockObject::WhiteBrush));
  Ellipse(dc, ballX, strip.top + 6, ballX + 20, strip.top + 26);
  SelectPen(dc, oldPen);
  SelectBrush(dc, oldBrush);
  SetBkMode(dc, BkMode::Transparent);
  TextAt(dc, strip.left + 640, strip.top + 8, {16, 8, 400},
         Format("timer ticks: %d (every %d ms)", demoState.timerTicks, kTimerPeriodMs),
         Rgb(255, 255, 255));
}

}  // namespace

std::vector<std::uint8_t> FlagPicture() {
  const std::vector<Color> colours = {Rgb(0, 0, 0), Rgb(255, 255, 255), Rgb(230, 0, 0),
                                      Rgb(128, 128, 128), Rgb(16, 16, 16)};
  return PackDib(8, colours, [](int x, int y) { return FlagIndex(x, y); });
}

std::vector<std::uint8_t> FlagMask() {
  const std::vector<Color> colours = {Rgb(0, 0, 0), Rgb(255, 255, 255)};
  return PackDib(1, colours, [](int x, int y) { return FlagIndex(x, y) == 0 ? 1 : 0; });
}

Rect AnimationStrip() {
  return Rect{0, 536, 900, 568};
}

void PaintDemoWindow(Window* window) {
  PaintInfo info;
  DeviceContext* dc = BeginPaint(window, &info);
  DrawTextSamples(dc);
  DrawShapes(dc);
  DrawPictures(dc);
  DrawState(dc);
  DrawAnimation(dc, AnimationStrip());
  EndPaint(window, &info);
}

// The dialog's own drawing, under its controls: a rule above the buttons with a red dot.
void PaintControlsDialog(Window* dialog) {
  PaintInfo info;
  DeviceContext* dc = BeginPaint(dialog, &info);
  Pen* grey = CreatePen(PenStyle::Solid, 1, Rgb(128, 128, 128));
  Pen* old = SelectPen(dc, grey);
  MoveTo(dc, 16, 254);
  LineTo(dc, 404, 254);
  SelectPen(dc, StockPen(StockObject::NullPen));
  Brush* red = CreateSolidBrush(Rgb(220, 0, 0));
  Brush* oldBrush = SelectBrush(dc, red);
  Ellipse(dc, 408, 248, 422, 262);
  SelectBrush(dc, oldBrush);
  SelectPen(dc, old);
  DeleteObject(red);
  DeleteObject(grey);
  EndPaint(dialog, &info);
}

}  // namespace demo
