// Text out: fixed-pitch cells (half-width glyphs advance by the font's width, full-width ones
// by twice that), opaque and transparent backgrounds, bold, and running without a font file.
#include <cstdlib>
#include <set>
#include <utility>

#include "platform/draw/draw.h"
#include "support/drawing_test_support.h"

namespace {

using namespace platform;
using drawing_test::Canvas;
using drawing_test::kBlue;
using drawing_test::kGreen;
using drawing_test::kRed;
using drawing_test::kWhite;

using Ink = std::set<std::pair<int, int>>;

class Text : public Canvas {
 protected:
  void SetUp() override {
    Canvas::SetUp();
    surface.Resize(200, 80, kGreen);
    detail::InitFonts();
    if (detail::FontFilePath().empty()) GTEST_SKIP() << "no Japanese font installed";
    SetBkMode(dc, BkMode::Transparent);
    SetTextColor(dc, kRed);
  }

  // Draws the text on a fresh surface and returns the pixels in the text colour.
  Ink InkOf(std::string_view text, int x = 10, int y = 10) {
    surface.Resize(200, 80, kGreen);
    TextOut(dc, x, y, text);
    Ink ink;
    for (int py = 0; py < surface.height; ++py) {
      for (int px = 0; px < surface.width; ++px) {
        if (surface.Row(py)[px] == kRed) ink.insert({px, py});
      }
    }
    return ink;
  }
  static Ink Shifted(const Ink& ink, int dx) {
    Ink out;
    for (auto [x, y] : ink) out.insert({x + dx, y});
    return out;
  }
  static Ink Right(const Ink& ink, int from) {
    Ink out;
    for (auto [x, y] : ink) {
      if (x >= from) out.insert({x, y});
    }
    return out;
  }
  static bool Within(const Ink& ink, const Rect& box) {
    for (auto [x, y] : ink) {
      if (!box.Contains(x, y)) return false;
    }
    return true;
  }
};

TEST_F(Text, HalfWidthGlyphsAdvanceByTheWidthFullWidthByTwice) {
  const Ink a = InkOf("A");
  const Ink kanji = InkOf("日");
  const Ink kana = InkOf("ｱ");
  ASSERT_FALSE(a.empty());
  ASSERT_FALSE(kanji.empty());
  ASSERT_FALSE(kana.empty());
  EXPECT_TRUE(Within(a, {10, 10, 18, 26}));
  EXPECT_TRUE(Within(kana, {10, 10, 18, 26}));
  EXPECT_TRUE(Within(kanji, {10, 10, 26, 26}));
  // What follows a glyph is the same picture moved by the glyph's advance.
  EXPECT_EQ(Right(InkOf("日A"), 26), Shifted(a, 16));
  EXPECT_EQ(Right(InkOf("ｱ日"), 18), Shifted(kanji, 8));
  EXPECT_EQ(Right(InkOf("AA日"), 26), Shifted(kanji, 16));

  Font* clock = CreateFont({10, 8, 10});
  SelectFont(dc, clock);
  const Ink small = InkOf("JPN 2");
  EXPECT_TRUE(Within(small, {10, 10, 50, 20}));
  EXPECT_EQ(Right(small, 42), Shifted(InkOf("2"), 32));
  EXPECT_EQ(GetTextExtent(dc, "JPN 2").x, 40);
  SelectFont(dc, StockFont(StockObject::SystemFixedFont));
  DeleteObject(clock);
}

TEST_F(Text, WideFontsStretchGlyphsAndFullWidthGlyphsStayInTheirCells) {
  Font* narrow = CreateFont({32, 16, 400});
  Font* wide = CreateFont({32, 32, 400});
  SelectFont(dc, narrow);
  const Ink v16 = InkOf("V");
  SelectFont(dc, wide);
  const Ink v32 = InkOf("V");
  const Ink cup = InkOf("優");
  auto width = [](const Ink& ink) {
    int low = 1000, high = -1000;
    for (auto [x, y] : ink) low = std::min(low, x), high = std::max(high, x);
    return high - low + 1;
  };
  EXPECT_GT(width(v32), width(v16) * 3 / 2);
  EXPECT_TRUE(Within(v32, {10, 10, 42, 42}));
  EXPECT_TRUE(Within(cup, {10, 10, 74, 42}));
  EXPECT_GT(width(cup), 40);
  SelectFont(dc, StockFont(StockObject::SystemFixedFont));
  DeleteObject(narrow);
  DeleteObject(wide);
}

TEST_F(Text, OpaqueFillsTheCellBoxTransparentOnlyTheGlyphs) {
  const Ink transparent = InkOf("AB日");
  surface.Resize(200, 80, kGreen);
  SetBkMode(dc, BkMode::Opaque);
  SetBkColor(dc, kBlue);
  TextOut(dc, 10, 10, "AB日");
  const Rect box{10, 10, 42, 26};
  Ink opaqueInk;
  for (int y = 0; y < surface.height; ++y) {
    for (int x = 0; x < surface.width; ++x) {
      const Color c = surface.Row(y)[x];
      if (c == kRed) opaqueInk.insert({x, y});
      if (box.Contains(x, y)) {
        EXPECT_TRUE(c == kRed || c == kBlue) << x << "," << y;
      } else {
        EXPECT_EQ(c, kGreen) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(opaqueInk, transparent);
}

TEST_F(Text, BoldWidensTheStrokes) {
  const Ink regular = InkOf("ABC");
  Font* bold = CreateFont({16, 8, 700});
  SelectFont(dc, bold);
  const Ink heavy = InkOf("ABC");
  EXPECT_GT(heavy.size(), regular.size());
  for (const auto& pixel : regular) EXPECT_TRUE(heavy.count(pixel)) << pixel.first;
  EXPECT_EQ(GetTextExtent(dc, "ABC").x, 24);  // the advance does not change
  SelectFont(dc, StockFont(StockObject::SystemFixedFont));
  DeleteObject(bold);
}

TEST_F(Text, DrawnAdvanceMatchesTheExtentEvenForBrokenText) {
  Font* font = CreateFont({12, 6, 400});
  SelectFont(dc, font);
  const char* texts[] = {"",         "ABC",      "日本語",
                         "ｱｲｳｴｵ",    "A日ｱ",     "\xF8\x80\x80Z",
                         "\xE3\x81", "\x80\x80", "\xF0\x9F\x98\x80!"};
  for (const char* text : texts) {
    EXPECT_EQ(detail::DrawGlyphs(nullptr, font, 0, 0, text, kWhite), GetTextExtent(dc, text).x)
        << text;
    EXPECT_EQ(GetTextExtent(dc, text).x, DisplayCells(text) * 6) << text;
  }
  SelectFont(dc, StockFont(StockObject::SystemFixedFont));
  DeleteObject(font);
}

// Without a font file the program says so once and text keeps its size and background.
TEST(TextWithoutFont, WarnsOnceAndStillFillsTheBackground) {
  detail::ShutdownDrawing();
  setenv("FELDO_FONT", "/nonexistent/no-such-font.ttf", 1);
  detail::Surface surface;
  surface.Resize(60, 30, drawing_test::kGreen);
  DeviceContext* dc = detail::CreateSurfaceDC(&surface);
  SetBkColor(dc, kBlue);
  SetTextColor(dc, kRed);
  ::testing::internal::CaptureStderr();
  TextOut(dc, 2, 2, "日本A");
  TextOut(dc, 2, 2, "日本A");
  const std::string said = ::testing::internal::GetCapturedStderr();
  unsetenv("FELDO_FONT");
  const std::string warning =
      "warning: Japanese font not found (install fonts-ipafont-gothic); text will not be drawn\n";
  const auto first = said.find(warning);
  EXPECT_NE(first, std::string::npos) << said;
  EXPECT_EQ(said.find(warning, first + 1), std::string::npos) << said;
  int blue = 0, red = 0;
  for (Color c : surface.pixels) blue += c == kBlue ? 1 : 0, red += c == kRed ? 1 : 0;
  EXPECT_EQ(blue, 40 * 16);
  EXPECT_EQ(red, 0);
  EXPECT_EQ(GetTextExtent(dc, "日本A").x, 40);
  detail::ShutdownDrawing();
}

}  // namespace
