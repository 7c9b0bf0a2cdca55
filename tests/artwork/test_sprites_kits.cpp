// The kit table: classes, shirt colour families, goalkeepers that stand out, patterns that show.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <tuple>

#include "artwork/kits.h"
#include "artwork/sprites.h"

namespace artwork {
namespace {

// The kit colour class of each kit code 1-27, as the game's sheet loader groups them.
constexpr int kClassOfKit[kKitCodeCount + 1] = {0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 3, 3, 4,
                                                4, 4, 5, 5, 6, 6, 7, 1, 2, 1, 1, 1, 1, 6};

int Distance(Rgb a, Rgb b) {
  const int dr = int((a >> 16) & 255) - int((b >> 16) & 255);
  const int dg = int((a >> 8) & 255) - int((b >> 8) & 255);
  const int db = int(a & 255) - int(b & 255);
  return std::abs(dr) + std::abs(dg) + std::abs(db);
}

TEST(Kits, EveryKitCodeBelongsToItsClassAndItsShirtToTheClassFamily) {
  for (int code = 1; code <= kKitCodeCount; ++code) {
    const Kit& kit = KitForCode(code);
    EXPECT_EQ(kit.code, code);
    EXPECT_EQ(kit.colourClass, kClassOfKit[code]) << "kit " << code;
    EXPECT_EQ(ShirtFamily(kit.shirt), kClassOfKit[code]) << "kit " << code;
  }
}

TEST(Kits, CodesOutsideTheTableGiveKitOne) {
  EXPECT_EQ(KitForCode(0).code, 1);
  EXPECT_EQ(KitForCode(28).code, 1);
  EXPECT_EQ(KeeperKit(0).colourClass, 1);
  EXPECT_EQ(KeeperKit(8).colourClass, 1);
}

TEST(Kits, TheShirtFamiliesDoNotOverlap) {
  int claimed = 0;
  for (int r = 0; r < 256; r += 5) {
    for (int g = 0; g < 256; g += 5) {
      for (int b = 0; b < 256; b += 5) {
        int families = 0;
        for (int family = 1; family <= kKitClassCount; ++family) {
          families += InShirtFamily(MakeRgb(r, g, b), family);
        }
        ASSERT_LE(families, 1) << r << "," << g << "," << b;
        claimed += families;
      }
    }
  }
  EXPECT_GT(claimed, 1000);  // the families are ranges, not single colours
  EXPECT_EQ(ShirtFamily(MakeRgb(255, 255, 255)), 1);
  EXPECT_EQ(ShirtFamily(MakeRgb(0, 0, 0)), 0);
  // The pitch and its stripes are no shirt colour: a green side must still show on them.
  EXPECT_EQ(ShirtFamily(MakeRgb(0, 240, 0)), 0);
  EXPECT_EQ(ShirtFamily(MakeRgb(0, 220, 0)), 0);
}

TEST(Kits, NoTwoKitCodesLookTheSame) {
  std::set<std::tuple<Rgb, Rgb, int, Rgb, Rgb, Rgb, Rgb>> looks;
  for (int code = 1; code <= kKitCodeCount; ++code) {
    const Kit& k = KitForCode(code);
    looks.insert({k.shirt, k.trim, int(k.pattern), k.patternColour, k.shorts, k.socks, k.sockBand});
  }
  EXPECT_EQ(looks.size(), std::size_t(kKitCodeCount));
}

TEST(Kits, GoalkeepersStandOutFromTheirClassAndThePitch) {
  for (int colourClass = 1; colourClass <= kKitClassCount; ++colourClass) {
    const Kit& keeper = KeeperKit(colourClass);
    EXPECT_EQ(keeper.colourClass, colourClass);
    EXPECT_NE(ShirtFamily(keeper.shirt), colourClass) << "class " << colourClass;
    EXPECT_NE(ShirtFamily(keeper.shirt), 4) << "green on the green pitch";
    for (int code = 1; code <= kKitCodeCount; ++code) {
      if (KitForCode(code).colourClass != colourClass) continue;
      EXPECT_GE(Distance(keeper.shirt, KitForCode(code).shirt), 200)
          << "class " << colourClass << " keeper against kit " << code;
    }
  }
}

TEST(Kits, PatternsShowOnTheStandingPicture) {
  for (int code = 1; code <= kKitCodeCount; ++code) {
    const Kit& kit = KitForCode(code);
    const Image picture = PaintPlayer(kPoseStand, kit);
    const std::set<Rgb> colours(picture.pixels.begin(), picture.pixels.end());
    EXPECT_TRUE(colours.count(kit.shirt)) << "kit " << code;
    EXPECT_TRUE(colours.count(kit.shorts)) << "kit " << code;
    EXPECT_TRUE(colours.count(kit.socks)) << "kit " << code;
    if (kit.pattern != ShirtPattern::Plain) {
      EXPECT_TRUE(colours.count(kit.patternColour)) << "kit " << code << " hides its pattern";
    }
    // Stripes and sashes take a fair share of the shirt, not a pixel or two.
    if (kit.pattern == ShirtPattern::Stripes || kit.pattern == ShirtPattern::Sash) {
      const PoseDrawing& drawing = PlayerPoseDrawing(kPoseStand);
      int shirt = 0, pattern = 0;
      for (int y = 0; y < drawing.height; ++y) {
        for (int x = 0; x < drawing.width; ++x) {
          if (drawing.At(x, y) != PixelRole::Shirt) continue;
          ++shirt;
          pattern += picture.Get(x, y) == kit.patternColour;
        }
      }
      EXPECT_GE(pattern * 4, shirt) << "kit " << code;
      EXPECT_LT(pattern * 4, shirt * 3) << "kit " << code;
    }
  }
}

}  // namespace
}  // namespace artwork
