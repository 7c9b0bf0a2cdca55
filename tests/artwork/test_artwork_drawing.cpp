// What the pictures are made of: the drawing primitives, the flags in nation order, the goals
// lying on the goal lines, the map's continents under their buttons, and which mask each
// picture is drawn through.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "artwork/canvas.h"
#include "artwork/ceremony.h"
#include "artwork/families.h"
#include "artwork/flags.h"
#include "artwork/picture.h"

namespace artwork {
namespace {

int CountColour(const Image& image, Rgb colour) {
  int n = 0;
  for (Rgb c : image.pixels) n += c == colour;
  return n;
}

TEST(Canvas, PolygonsFillThePixelsWhoseCentresLieInside) {
  Image image(8, 6);
  FillPolygon(&image, {{1, 1}, {5, 1}, {5, 4}, {1, 4}}, kWhite);
  EXPECT_EQ(CountColour(image, kWhite), 4 * 3);
  EXPECT_EQ(image.Get(1, 1), kWhite);
  EXPECT_EQ(image.Get(4, 3), kWhite);
  EXPECT_EQ(image.Get(5, 3), kBlack);
  EXPECT_EQ(image.Get(4, 4), kBlack);
  // A polygon reaching outside the picture is clipped, not wrapped.
  FillPolygon(&image, {{-3, -3}, {2, -3}, {2, 2}, {-3, 2}}, 0x123456);
  EXPECT_EQ(CountColour(image, 0x123456), 4);
}

TEST(Canvas, EllipsesAreSymmetricAndRingsHollow) {
  Image disc(11, 11);
  FillEllipse(&disc, 5.5, 5.5, 4, 4, kWhite);
  for (int y = 0; y < 11; ++y) {
    for (int x = 0; x < 11; ++x) {
      EXPECT_EQ(disc.Get(x, y), disc.Get(10 - x, y)) << x << ", " << y;
      EXPECT_EQ(disc.Get(x, y), disc.Get(x, 10 - y)) << x << ", " << y;
    }
  }
  EXPECT_EQ(disc.Get(5, 5), kWhite);
  EXPECT_EQ(disc.Get(0, 0), kBlack);
  Image ring(11, 11);
  DrawEllipse(&ring, 5.5, 5.5, 5, 5, 1.5, kWhite);
  EXPECT_EQ(ring.Get(5, 5), kBlack);
  EXPECT_EQ(ring.Get(5, 0), kWhite);
}

TEST(Canvas, LinesIncludeBothEndsAndCopiesHonourTheKey) {
  Image image(6, 6);
  DrawLine(&image, 5, 4, 0, 1, kWhite);
  EXPECT_EQ(image.Get(5, 4), kWhite);
  EXPECT_EQ(image.Get(0, 1), kWhite);
  EXPECT_EQ(CountColour(image, kWhite), 6);

  Image sprite(2, 1, kKey);
  sprite.Set(1, 0, 0x00FF00);
  Image target(3, 1, 0x0000FF);
  BlitKeyed(&target, sprite, 1, 0);
  EXPECT_EQ(target.pixels, (std::vector<Rgb>{0x0000FF, 0x0000FF, 0x00FF00}));
  EXPECT_EQ(MirrorX(target).pixels, (std::vector<Rgb>{0x00FF00, 0x0000FF, 0x0000FF}));
  EXPECT_EQ(Scale(sprite, 2).width, 4);
  EXPECT_EQ(Scale(sprite, 2).Get(3, 1), 0x00FF00);
}

// Rough colour names, enough to tell flags apart.
std::string Named(Rgb c) {
  const int r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
  if (r >= 200 && g >= 200 && b >= 200) return "white";
  if (r <= 60 && g <= 60 && b <= 60) return "black";
  if (r >= 200 && g >= 150 && b <= 100) return "yellow";
  if (b >= 200 && g >= 150 && r >= 80 && r <= 160) return "sky";
  if (r >= 130 && g <= 80 && b <= 80) return "red";
  if (g > r + 40 && g > b + 20) return "green";
  if (b > r + 60 && b > g + 20) return "blue";
  if (r >= 100 && g >= 60 && b <= 60) return "brown";
  return "other";
}

TEST(Flags, EachNationsSmallFlagShowsItsOwnColoursInPlace) {
  struct Probe {
    int x, y;
    const char* colour;
  };
  // Points of the 16 × 10 flag, by nation index.
  const std::vector<std::vector<Probe>> probes = {
      {{8, 5, "red"}, {0, 0, "white"}, {15, 9, "white"}},                      // Japan
      {{8, 0, "white"}, {0, 9, "white"}},                                      // Korea
      {{15, 9, "red"}, {2, 2, "yellow"}},                                      // China
      {{0, 0, "green"}, {15, 0, "green"}},                                     // Saudi Arabia
      {{8, 0, "green"}, {1, 5, "white"}, {8, 9, "red"}},                       // Iran
      {{0, 5, "black"}, {15, 0, "green"}, {15, 5, "white"}, {15, 9, "red"}},   // Kuwait
      {{1, 5, "green"}, {8, 5, "white"}, {14, 5, "red"}},                      // Italy
      {{8, 1, "black"}, {8, 5, "red"}, {8, 8, "yellow"}},                      // Germany
      {{8, 5, "red"}, {1, 1, "white"}, {8, 0, "red"}, {0, 5, "red"}},          // England
      {{1, 5, "blue"}, {8, 5, "white"}, {14, 5, "red"}},                       // France
      {{8, 1, "red"}, {8, 5, "white"}, {8, 8, "blue"}},                        // Netherlands
      {{8, 0, "red"}, {12, 5, "yellow"}, {8, 9, "red"}},                       // Spain
      {{0, 5, "blue"}, {14, 1, "white"}, {14, 8, "red"}},                      // Czech Republic
      {{1, 5, "green"}, {14, 5, "red"}},                                       // Portugal
      {{0, 0, "green"}, {3, 5, "yellow"}},                                     // Brazil
      {{8, 0, "sky"}, {1, 5, "white"}, {8, 9, "sky"}},                         // Argentina
      {{15, 0, "white"}, {15, 1, "blue"}, {0, 0, "white"}, {2, 2, "yellow"}},  // Uruguay
      {{1, 1, "blue"}, {14, 1, "white"}, {8, 8, "red"}},                       // Chile
      {{1, 1, "red"}, {1, 5, "white"}, {1, 8, "blue"}},                        // Paraguay
      {{8, 1, "yellow"}, {8, 6, "blue"}, {8, 9, "red"}},                       // Colombia
      {{1, 5, "green"}, {8, 1, "white"}, {14, 5, "red"}},                      // Mexico
      {{1, 1, "blue"}, {14, 9, "red"}},                                        // USA
      {{1, 5, "red"}, {5, 1, "white"}, {8, 5, "red"}, {14, 5, "red"}},         // Canada
      {{0, 5, "black"}, {8, 0, "green"}, {8, 5, "yellow"}},                    // Jamaica
      {{8, 0, "blue"}, {8, 5, "red"}, {8, 9, "blue"}, {8, 2, "white"}},        // Costa Rica
      {{1, 5, "green"}, {6, 1, "red"}, {14, 5, "yellow"}},                     // Cameroon
      {{1, 5, "green"}, {8, 5, "white"}, {14, 5, "green"}},                    // Nigeria
      {{14, 1, "red"}, {14, 5, "green"}, {14, 9, "blue"}},                     // South Africa
      {{1, 1, "red"}, {14, 8, "red"}},                                         // Tunisia
      {{1, 1, "red"}, {1, 5, "white"}, {1, 9, "black"}},                       // Egypt
      {{1, 1, "red"}, {14, 8, "red"}},                                         // Morocco
  };
  ASSERT_EQ(probes.size(), std::size_t(kNationCount));
  for (int nation = 0; nation < kNationCount; ++nation) {
    const Image flag = FlatFlag(nation, 16, 10);
    for (const Probe& p : probes[std::size_t(nation)]) {
      EXPECT_EQ(Named(flag.Get(p.x, p.y)), p.colour)
          << "nation " << nation << " at " << p.x << ", " << p.y;
    }
  }
  // The emblems survive at this size: Korea's red and blue, the Saudi sword, Tunisia's and
  // Morocco's white and green, Paraguay's seal where the Netherlands is plain white.
  auto has = [](int nation, const char* colour) {
    const Image flag = FlatFlag(nation, 16, 10);
    for (Rgb c : flag.pixels) {
      if (Named(c) == colour) return true;
    }
    return false;
  };
  EXPECT_TRUE(has(1, "red") && has(1, "blue") && has(1, "black"));
  EXPECT_TRUE(has(3, "white"));
  EXPECT_TRUE(has(28, "white"));
  EXPECT_TRUE(has(30, "green"));
  EXPECT_NE(FlatFlag(18, 16, 10).pixels, FlatFlag(10, 16, 10).pixels);
}

TEST(Flags, AWavingFlagKeepsItsHoistAndMovesBetweenFrames) {
  const Image a = WavingFlag(0, 34, 24, 2, 18, 0.0, kKey);
  const Image b = WavingFlag(0, 34, 24, 2, 18, 2.8, kKey);
  EXPECT_NE(a.pixels, b.pixels);
  // At the hoist the cloth hangs from row 2 to row 19 in both frames.
  for (const Image* frame : {&a, &b}) {
    EXPECT_EQ(frame->Get(0, 1), kKey);
    EXPECT_NE(frame->Get(0, 2), kKey);
    EXPECT_NE(frame->Get(0, 19), kKey);
    EXPECT_EQ(frame->Get(0, 21), kKey);
  }
}

TEST(Goals, LieOnTheirGoalLinesWithTheNetBehind) {
  ArtworkSet set;
  DrawPitchPictures(&set);
  const Image& left = set.at("LGOAL.BMP").image;
  const Image& right = set.at("RGOAL.BMP").image;
  for (int row : {10, 30, 50, 70}) {  // the crossbar, between the posts
    const double y = 200 + row + 0.5;
    const double leftLine = 60.0 - 30.0 * (y - 60) / 390 - 13;  // column of the goal line
    const double rightLine = 880.0 + 30.0 * (y - 60) / 390 - 892;
    // The middle of the white crossbar, which is the only white in the picture's row.
    auto middleOfWhite = [row](const Image& goal) {
      double sum = 0;
      int count = 0;
      for (int x = 0; x < goal.width; ++x) {
        if (goal.Get(x, row) == kWhite) {
          sum += x + 0.5;
          ++count;
        }
      }
      return count ? sum / count : -100.0;
    };
    EXPECT_NEAR(middleOfWhite(left), leftLine, 1.0) << "row " << row;
    EXPECT_NEAR(middleOfWhite(right), rightLine, 1.0) << "row " << row;
    // The net is drawn behind the line, and nothing on the pitch side of it.
    const Image& leftMask = set.at("LGOALX.BMP").image;
    const Image& rightMask = set.at("RGOALX.BMP").image;
    int behind = 0, inFront = 0;
    for (int x = 0; x < left.width; ++x) {
      if (leftMask.Get(x, row) != kBlack) continue;
      behind += x < leftLine - 2;
      inFront += x > leftLine + 2;
    }
    for (int x = 0; x < right.width; ++x) {
      if (rightMask.Get(x, row) != kBlack) continue;
      behind += x > rightLine + 2;
      inFront += x < rightLine - 2;
    }
    EXPECT_GT(behind, 8) << "row " << row;
    EXPECT_EQ(inFront, 0) << "row " << row;
  }
}

TEST(WorldMap, EachRegionButtonStandsOnItsContinent) {
  const Image map = WorldMapPicture();
  // The buttons of the region dialog in pixels (dialog units × 2), by region index.
  struct Button {
    int region, x, y;
  };
  for (const Button& b : {Button{1, 20, 28}, Button{3, 380, 48}, Button{2, 380, 168},
                          Button{4, 20, 168}, Button{0, 200, 108}}) {
    int land = 0, other = 0;
    for (int y = b.y; y < b.y + 28; ++y) {
      for (int x = b.x; x < b.x + 160; ++x) {
        const Rgb c = map.Get(x, y);
        if (c == RegionLandColour(b.region)) ++land;
        for (int r = 0; r < 5; ++r) other += r != b.region && c == RegionLandColour(r);
      }
    }
    EXPECT_GE(land * 100, 160 * 28 * 20) << "region " << b.region << ": " << land;
    EXPECT_GT(land, other) << "region " << b.region;
  }
}

TEST(Families, EveryPictureKnowsItsMask) {
  EXPECT_EQ(MaskNameOf("LGOAL.BMP"), "LGOALX.BMP");
  EXPECT_EQ(MaskNameOf("SCUP1.BMP"), "SCUP1X.BMP");
  EXPECT_EQ(MaskNameOf("FBUKI2.BMP"), "FBUKI2X.BMP");
  EXPECT_EQ(MaskNameOf("MF_BRA.BMP"), "MF_X.BMP");
  EXPECT_EQ(MaskNameOf("PLYC_17.BMP"), "PLYC_1X.BMP");
  EXPECT_EQ(MaskNameOf("PLY2C_3.BMP"), "PLYC_1X.BMP");
  EXPECT_EQ(MaskNameOf("PLYK_2.BMP"), "PLYK_1X.BMP");
  EXPECT_EQ(MaskNameOf("HD_5.BMP"), "HD_1X.BMP");
  EXPECT_EQ(MaskNameOf("RUN2_27.BMP"), "RUN2_1X.BMP");
  // Masks, overlays and plain pictures have none.
  for (const char* name : {"LGOALX.BMP", "PLYA_1X.BMP", "MF_X.BMP", "PLYA_BM.BMP", "H_BM.BMP",
                           "kansyuu.BMP", "SF_JPN.BMP", "UFO1.bmp", "WLDMAP.BMP"}) {
    EXPECT_EQ(MaskNameOf(name), "") << name;
  }
  EXPECT_TRUE(IsMaskName("PLYL_1X.BMP"));
  EXPECT_TRUE(IsMaskName("RUN1_1X.BMP"));
  EXPECT_FALSE(IsMaskName("PLYM_1X.BMP"));
  EXPECT_FALSE(IsMaskName("PLYA_1.BMP"));
}

TEST(Families, SizesFollowTheNamesCaseIncluded) {
  EXPECT_EQ(ExpectedPictureSize("kansyuu.BMP"), (PictureSize{100, 42}));
  EXPECT_EQ(ExpectedPictureSize("KANSYUU8.BMP"), (PictureSize{100, 42}));
  EXPECT_EQ(ExpectedPictureSize("UFO9.bmp"), (PictureSize{24, 16}));
  EXPECT_FALSE(ExpectedPictureSize("UFO9.BMP").has_value());
  EXPECT_EQ(ExpectedPictureSize("歓喜12.BMP"), (PictureSize{240, 200}));
  EXPECT_EQ(ExpectedPictureSize("SS2F_MOR.BMP"), (PictureSize{40, 28}));
  EXPECT_EQ(ExpectedPictureSize("FBUKI3X.BMP"), (PictureSize{90, 40}));
  EXPECT_FALSE(ExpectedPictureSize("PLYA_1.BMP").has_value());
  EXPECT_FALSE(ExpectedPictureSize("KANSYUU.BMP").has_value());
}

}  // namespace
}  // namespace artwork
