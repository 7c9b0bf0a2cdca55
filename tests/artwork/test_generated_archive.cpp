// The archives the build generated into the game folder: GDAT.DAT with its 588 pictures and
// ODAT.DAT with the launcher's four, read back byte by byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "archive/graphics_archive.h"
#include "artwork/families.h"
#include "presentation/bitmap_store.h"
#include "support/dib_decode.h"

namespace artwork {
namespace {

using artwork_test::Bytes;
using artwork_test::DecodeDib;

struct Generated {
  std::vector<std::string> names;
  std::vector<Bytes> entries;
  std::map<std::string, Image> pictures;
};

const Generated& Gdat() {
  static const Generated generated = [] {
    Generated g;
    BuildDirectory();
    g.names = graphicsArchive.directory;
    g.entries = artwork_test::SplitArchive(
        artwork_test::ReadBytes(std::string(FELDO_GAME_DIR) + "/GDAT.DAT"));
    for (std::size_t i = 0; i < g.entries.size() && i < g.names.size(); ++i) {
      g.pictures[g.names[i]] = DecodeDib(g.entries[i]);
    }
    return g;
  }();
  return generated;
}

const Image& PictureNamed(const std::string& name) {
  static const Image empty;
  const auto found = Gdat().pictures.find(name);
  return found == Gdat().pictures.end() ? empty : found->second;
}

// The pictures of our families: everything but the player sheets (positions 11-25, 31-426).
bool OurFamily(std::size_t position) {
  return position <= 10 || (position >= 26 && position <= 30) || position >= 427;
}

TEST(GeneratedArchive, HoldsAValidPictureForEveryNameOfTheDirectory) {
  const Generated& g = Gdat();
  ASSERT_EQ(g.names.size(), std::size_t(kDirectorySize));
  ASSERT_EQ(g.entries.size(), std::size_t(kDirectorySize)) << "GDAT.DAT missing or malformed";
  for (std::size_t i = 0; i < g.entries.size(); ++i) {
    platform::DibInfo info;
    EXPECT_TRUE(platform::ParsePackedDib(g.entries[i].data(), g.entries[i].size(), &info))
        << g.names[i];
    EXPECT_EQ(info.headerSize, 40) << g.names[i];
    // Nothing after the last pixel row.
    EXPECT_EQ(info.bitsOffset + info.stride * std::size_t(info.height), g.entries[i].size())
        << g.names[i];
  }
}

TEST(GeneratedArchive, EveryPictureHasItsFamilysSize) {
  const Generated& g = Gdat();
  ASSERT_EQ(g.entries.size(), std::size_t(kDirectorySize));
  int checked = 0;
  for (std::size_t i = 0; i < g.names.size(); ++i) {
    const auto expected = ExpectedPictureSize(g.names[i]);
    if (OurFamily(i)) {
      ASSERT_TRUE(expected.has_value()) << g.names[i] << " has no size in the family table";
    } else {
      EXPECT_FALSE(expected.has_value()) << g.names[i];
      continue;
    }
    const Image& picture = PictureNamed(g.names[i]);
    EXPECT_EQ(picture.width, expected->width) << g.names[i];
    EXPECT_EQ(picture.height, expected->height) << g.names[i];
    ++checked;
  }
  EXPECT_EQ(checked, 588 - 411);
}

TEST(GeneratedArchive, MasksTakeOneBitAndColourTablesHoldExactlyTheColoursUsed) {
  const Generated& g = Gdat();
  ASSERT_EQ(g.entries.size(), std::size_t(kDirectorySize));
  for (std::size_t i = 0; i < g.names.size(); ++i) {
    const Bytes& dib = g.entries[i];
    const int bitCount = int(artwork_test::Le16(dib, 14));
    const std::uint32_t coloursUsed = artwork_test::Le32(dib, 32);
    const Image& picture = PictureNamed(g.names[i]);
    std::set<Rgb> colours(picture.pixels.begin(), picture.pixels.end());
    if (IsMaskName(g.names[i])) {
      EXPECT_EQ(bitCount, 1) << g.names[i];
      EXPECT_TRUE(colours.size() <= 2 && !colours.count(0x808080)) << g.names[i];
      continue;
    }
    const int expectedBits = colours.size() <= 16 ? 4 : (colours.size() <= 256 ? 8 : 24);
    EXPECT_EQ(bitCount, expectedBits) << g.names[i];
    EXPECT_EQ(coloursUsed, expectedBits == 24 ? 0u : std::uint32_t(colours.size())) << g.names[i];
  }
}

TEST(GeneratedArchive, EveryMaskedPictureIsBlackWhereverItsMaskLetsTheBackgroundThrough) {
  const Generated& g = Gdat();
  ASSERT_EQ(g.entries.size(), std::size_t(kDirectorySize));
  const std::set<std::string> names(g.names.begin(), g.names.end());
  int masked = 0;
  for (const std::string& name : g.names) {
    const std::string maskName = MaskNameOf(name);
    if (maskName.empty()) continue;
    ++masked;
    ASSERT_TRUE(names.count(maskName)) << name << " → " << maskName;
    const Image& picture = PictureNamed(name);
    const Image& mask = PictureNamed(maskName);
    ASSERT_EQ(picture.width, mask.width) << name;
    ASSERT_EQ(picture.height, mask.height) << name;
    int opaque = 0, leaks = 0;
    for (std::size_t p = 0; p < mask.pixels.size(); ++p) {
      if (mask.pixels[p] == kBlack) ++opaque;
      if (mask.pixels[p] == kWhite && picture.pixels[p] != kBlack) ++leaks;
    }
    EXPECT_EQ(leaks, 0) << name << " would paint over the background";
    EXPECT_GT(opaque, 0) << name << " would not be drawn at all";
    EXPECT_LT(opaque, int(mask.pixels.size())) << maskName << " hides nothing";
  }
  // Goals, pole, ball, cup, three ticker tapes, 31 team photos and the player pictures.
  EXPECT_EQ(masked, 5 + 3 + 31 + 27 * 11 + 7 * 12);
}

TEST(GeneratedArchive, CrowdTilesEndInTheWallStripAndRepeatWithoutASeam) {
  const Image& wall = PictureNamed("kabe.BMP");
  ASSERT_EQ(wall.height, 12);
  std::vector<std::string> tiles = {"kansyuu.BMP"};
  for (int c = 1; c <= 8; ++c) tiles.push_back("KANSYUU" + std::to_string(c) + ".BMP");
  for (const std::string& name : tiles) {
    const Image& tile = PictureNamed(name);
    ASSERT_EQ(tile.height, 42) << name;
    for (int y = 0; y < 12; ++y) {
      for (int x = 0; x < 100; ++x) {
        ASSERT_EQ(tile.Get(x, 30 + y), wall.Get(x, y)) << name << " at " << x << ", " << 30 + y;
      }
    }
  }
  // Each class's crowd looks different from the general one and from the others.
  std::set<std::vector<Rgb>> distinct;
  for (const std::string& name : tiles) distinct.insert(PictureNamed(name).pixels);
  EXPECT_EQ(distinct.size(), tiles.size());
}

TEST(GeneratedArchive, EveryNationHasItsOwnFlagsAndPhotoAndTheFlagWaves) {
  std::set<std::vector<Rgb>> small, photos;
  for (const char* abbreviation : kPictureAbbreviations) {
    const std::string a = abbreviation;
    small.insert(PictureNamed("SF_" + a + ".BMP").pixels);
    photos.insert(PictureNamed("MF_" + a + ".BMP").pixels);
    EXPECT_NE(PictureNamed("SS1F_" + a + ".BMP").pixels, PictureNamed("SS2F_" + a + ".BMP").pixels)
        << a << ": the two frames of the supporters' flag are the same";
  }
  EXPECT_EQ(small.size(), 31u);
  EXPECT_EQ(photos.size(), 31u);
}

TEST(GeneratedArchive, TheTickerTapeFramesMoveAndTheJoyAndUfoPicturesDiffer) {
  std::set<std::vector<Rgb>> tape, joy, ufo;
  for (int k = 1; k <= 3; ++k)
    tape.insert(PictureNamed("FBUKI" + std::to_string(k) + ".BMP").pixels);
  for (int k = 1; k <= 12; ++k)
    joy.insert(PictureNamed("歓喜" + std::to_string(k) + ".BMP").pixels);
  for (int k = 1; k <= 9; ++k) ufo.insert(PictureNamed("UFO" + std::to_string(k) + ".bmp").pixels);
  EXPECT_EQ(tape.size(), 3u);
  EXPECT_EQ(joy.size(), 12u);
  EXPECT_EQ(ufo.size(), 9u);
}

TEST(GeneratedArchive, TheGameReadsItWithoutErrorAndFillsEverySlot) {
  ResetGraphicsArchive();
  ResetBitmapStore();
  graphicsArchive.fileName = std::string(FELDO_GAME_DIR) + "/GDAT.DAT";
  BuildDirectory();
  LoadPitchPictures();
  LoadFlagPictures();
  EXPECT_EQ(graphicsArchive.archiveError, 0);
  EXPECT_FALSE(CheckArchiveAfterFirstPaint()) << "the game would show its archive error box";
  EXPECT_EQ(CountCachedPictures(), kCacheListSize);
  for (int slot = 0; slot <= 26; ++slot) EXPECT_TRUE(bitmapStore.slots[std::size_t(slot)]) << slot;
  EXPECT_TRUE(bitmapStore.slots[145] && bitmapStore.slots[146]);
  EXPECT_TRUE(bitmapStore.aeroplane && bitmapStore.tunnel);
  for (const Picture& tape : bitmapStore.tickerTape) EXPECT_TRUE(tape);
  for (const Picture& flag : bitmapStore.smallFlags) EXPECT_TRUE(flag);
  for (int kit = 1; kit <= 27; ++kit) {
    LoadTeamSheets(110, kit);
    for (int slot = 110; slot <= 132; ++slot) {
      EXPECT_TRUE(bitmapStore.slots[std::size_t(slot)]) << "kit " << kit << " slot " << slot;
    }
  }
  EXPECT_EQ(DibWidth(LoadPicture("WLDMAP.BMP")), 560);
  ReleasePictures();
  ResetGraphicsArchive();
  ResetBitmapStore();
}

// Relative luminance of a colour (sRGB, roughly).
double Luminance(Rgb c) {
  auto channel = [](int v) { return std::pow(v / 255.0, 2.2); };
  return 0.2126 * channel(int((c >> 16) & 255)) + 0.7152 * channel(int((c >> 8) & 255)) +
         0.0722 * channel(int(c & 255));
}

TEST(LauncherArchive, HoldsFourPicturesThatTileTheWindowAndKeepTheTitleReadable) {
  const std::vector<Bytes> entries = artwork_test::SplitArchive(
      artwork_test::ReadBytes(std::string(FELDO_GAME_DIR) + "/ODAT.DAT"));
  ASSERT_EQ(entries.size(), 4u);
  std::vector<Image> pictures;
  for (int i = 0; i < 4; ++i) {
    pictures.push_back(DecodeDib(entries[std::size_t(i)]));
    const PictureSize size = TitlePictureSize(i);
    EXPECT_EQ(pictures.back().width, size.width) << i;
    EXPECT_EQ(pictures.back().height, size.height) << i;
  }
  // Laid out at (0, 0), (410, 0), (0, 270), (410, 270) they cover 630 × 540 exactly.
  EXPECT_EQ(pictures[0].width + pictures[1].width, 630);
  EXPECT_EQ(pictures[0].height + pictures[2].height, 540);
  // The red title runs over rows 168 to 240 from x 160 to 512: nearly every pixel there must
  // be dark enough for red letters to stand out (contrast 2.5 : 1 or more).
  const double red = Luminance(0xFF0000);
  int pixels = 0, readable = 0;
  for (int y = 168; y < 240; ++y) {
    for (int x = 160; x < 512; ++x) {
      const Rgb c = x < 410 ? pictures[0].Get(x, y) : pictures[1].Get(x - 410, y);
      ++pixels;
      if ((red + 0.05) / (Luminance(c) + 0.05) >= 2.5) ++readable;
    }
  }
  EXPECT_GE(readable * 100, pixels * 95) << readable << " of " << pixels;
}

}  // namespace
}  // namespace artwork
