// The player sheets: the names against the archive's directory, sizes, masks, dark overlays and
// the way each pose faces.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "archive/graphics_archive.h"
#include "artwork/kits.h"
#include "artwork/picture.h"
#include "artwork/sprites.h"

namespace artwork {
namespace {

const ArtworkSet& Sheets() {
  static const ArtworkSet sheets = [] {
    ArtworkSet set;
    DrawPlayerSheets(&set);
    return set;
  }();
  return sheets;
}

// Every picture of a pose: the kits' and the goalkeeper classes'.
std::vector<std::string> PicturesOfPose(int pose) {
  std::vector<std::string> names;
  for (int kit = 1; kit <= kKitCodeCount; ++kit) {
    const std::string name = KitPictureName(pose, kit);
    if (!name.empty()) names.push_back(name);
  }
  for (int colourClass = 1; colourClass <= kKitClassCount; ++colourClass) {
    const std::string name = KeeperPictureName(pose, colourClass);
    if (!name.empty()) names.push_back(name);
  }
  return names;
}

const Image& Picture(const std::string& name) {
  const auto found = Sheets().find(name);
  if (found == Sheets().end()) {
    ADD_FAILURE() << "missing " << name;
    static const Image empty;
    return empty;
  }
  return found->second.image;
}

TEST(MakeMask, MasksTheKeyColourAndBlacksItOutOfThePicture) {
  const Rgb key = 0xFF00FF;
  Image image(3, 2, key);
  image.Set(0, 0, 0x102030);
  image.Set(2, 1, kWhite);
  const Image mask = MakeMask(&image, key);
  EXPECT_EQ(mask.pixels, (std::vector<Rgb>{kBlack, kWhite, kWhite, kWhite, kWhite, kBlack}));
  EXPECT_EQ(image.pixels, (std::vector<Rgb>{0x102030, kBlack, kBlack, kBlack, kBlack, kWhite}));
}

TEST(PlayerSheets, AreExactlyThePlayerNamesOfTheDirectory) {
  BuildDirectory();
  const std::vector<std::string>& directory = graphicsArchive.directory;
  ASSERT_EQ(int(directory.size()), kDirectorySize);
  std::set<std::string> expected;
  for (int i = 11; i <= 25; ++i) expected.insert(directory[std::size_t(i)]);   // the masks
  for (int i = 31; i <= 426; ++i) expected.insert(directory[std::size_t(i)]);  // kits, overlays
  EXPECT_EQ(expected.size(), 411u);
  std::set<std::string> drawn;
  for (const auto& [name, artwork] : Sheets()) drawn.insert(name);
  EXPECT_EQ(drawn, expected);
  EXPECT_TRUE(drawn.count("PLYA_1X.BMP") && drawn.count("RUN2_1X.BMP") && drawn.count("H_BM.BMP"));
}

TEST(PlayerSheets, MasksAreOneBitAndEveryOtherPictureIsInColour) {
  int masks = 0;
  for (const auto& [name, artwork] : Sheets()) {
    const bool isMask = name.find("_1X.") != std::string::npos;
    masks += isMask;
    EXPECT_EQ(artwork.storage, isMask ? Storage::Mask : Storage::Colour) << name;
  }
  EXPECT_EQ(masks, 15);
}

TEST(PlayerSheets, EveryPictureIsSixteenByTwenty) {
  for (const auto& [name, artwork] : Sheets()) {
    EXPECT_EQ(artwork.image.width, 16) << name;
    EXPECT_EQ(artwork.image.height, 20) << name;
    EXPECT_EQ(artwork.image.pixels.size(), 320u) << name;
  }
}

// The AND of the mask and then the OR of the picture must leave the background untouched where
// the picture is transparent and show the picture exactly where it is drawn.
TEST(PlayerSheets, EveryPictureOfAPoseHasExactlyItsMasksSilhouette) {
  for (int pose = 0; pose < kPoseCount; ++pose) {
    const Image& mask = Picture(PlayerMaskName(pose));
    int opaque = 0;
    for (Rgb pixel : mask.pixels) {
      ASSERT_TRUE(pixel == kBlack || pixel == kWhite) << PlayerMaskName(pose);
      opaque += pixel == kBlack;
    }
    EXPECT_GT(opaque, 60) << PlayerMaskName(pose);  // a whole figure, not a speck
    const std::vector<std::string> names = PicturesOfPose(pose);
    EXPECT_EQ(names.size(), pose < 8 ? 34u : pose < 12 ? 7u : 27u);
    for (const std::string& name : names) {
      const Image& picture = Picture(name);
      ASSERT_EQ(picture.pixels.size(), mask.pixels.size()) << name;
      for (std::size_t i = 0; i < mask.pixels.size(); ++i) {
        const bool drawn = mask.pixels[i] == kBlack;
        ASSERT_EQ(picture.pixels[i] != kBlack, drawn) << name << " pixel " << i;
        for (Rgb background : {Rgb(0x00F000), Rgb(0x123456), kWhite}) {
          const Rgb shown = (background & mask.pixels[i]) | picture.pixels[i];
          ASSERT_EQ(shown, drawn ? picture.pixels[i] : background) << name;
        }
      }
    }
  }
}

bool IsLightSkin(Rgb colour) {
  return colour == kSkinLight || colour == kSkinLightShade;
}

TEST(PlayerSheets, DarkOverlaysDarkenTheSkinAndNothingElse) {
  for (int pose = 0; pose < kPoseCount; ++pose) {
    const Image& overlay = Picture(PlayerOverlayName(pose));
    const Image& mask = Picture(PlayerMaskName(pose));
    int skin = 0;
    for (std::size_t i = 0; i < overlay.pixels.size(); ++i) {
      if (overlay.pixels[i] == kWhite) continue;
      ++skin;
      EXPECT_EQ(mask.pixels[i], kBlack) << PlayerOverlayName(pose) << " outside the figure";
    }
    EXPECT_GE(skin, 4) << PlayerOverlayName(pose);  // at least the face shows
    for (const std::string& name : PicturesOfPose(pose)) {
      const Image& picture = Picture(name);
      for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        const Rgb pixel = picture.pixels[i];
        const Rgb darkened = pixel & overlay.pixels[i];
        if (overlay.pixels[i] == kWhite) {
          ASSERT_FALSE(IsLightSkin(pixel)) << name << ": skin left light at " << i;
        } else {
          ASSERT_TRUE(IsLightSkin(pixel)) << name << ": overlay darkens the kit at " << i;
          ASSERT_EQ(darkened, pixel == kSkinLight ? kSkinDark : kSkinDarkShade) << name;
        }
      }
    }
  }
}

// Which way a pose looks: by its eyes, left of the middle or right of it; two eyes, one on each
// side, when it faces the camera.
int Facing(int pose) {
  const PoseDrawing& drawing = PlayerPoseDrawing(pose);
  int left = 0, right = 0;
  for (int y = 0; y < drawing.height; ++y) {
    for (int x = 0; x < drawing.width; ++x) {
      if (drawing.At(x, y) != PixelRole::Eye) continue;
      (x < drawing.width / 2 ? left : right) += 1;
    }
  }
  if (left == 1 && right == 1) return 0;
  if (left == 1 && right == 0) return -1;
  if (left == 0 && right == 1) return 1;
  return 99;
}

TEST(PlayerSheets, PosesFaceTheWayTheGameShowsThem) {
  // Kick-off, standing and the vertical walk face the camera; 4 and 5 walk left and 6 and 7
  // right (the walk-in, the goalkeeper's sideways steps); 8 and 10 are the goalkeeper on the
  // right of the screen, 9 and 11 the one on the left; the header and the running frames face
  // left and are mirrored by the drawing for the other direction.
  const int expected[kPoseCount] = {0, 0, 0, 0, -1, -1, 1, 1, -1, 1, -1, 1, -1, -1, -1};
  for (int pose = 0; pose < kPoseCount; ++pose) {
    EXPECT_EQ(Facing(pose), expected[pose]) << PlayerMaskName(pose);
  }
}

TEST(PlayerSheets, StandingAndRunningFiguresHaveTheirFeetOnTheBottomRows) {
  for (int pose : {0, 1, 2, 3, 4, 5, 6, 7, int(kPoseRun1), int(kPoseRun2)}) {
    const Image& mask = Picture(PlayerMaskName(pose));
    int lowestBoot = -1;
    const PoseDrawing& drawing = PlayerPoseDrawing(pose);
    for (int y = 0; y < drawing.height; ++y) {
      for (int x = 0; x < drawing.width; ++x) {
        if (drawing.At(x, y) == PixelRole::Boot) lowestBoot = y;
      }
    }
    EXPECT_EQ(lowestBoot, 18) << PlayerMaskName(pose);
    bool bottomRowDrawn = false;
    for (int x = 0; x < mask.width; ++x) bottomRowDrawn |= mask.Get(x, 19) == kBlack;
    EXPECT_TRUE(bottomRowDrawn) << PlayerMaskName(pose);
  }
}

TEST(PlayerSheets, PicturesUseFewColoursAndNoneTheSame) {
  std::set<std::vector<Rgb>> distinct;
  for (int kit = 1; kit <= kKitCodeCount; ++kit) {
    const Image& standing = Picture(KitPictureName(kPoseStand, kit));
    std::set<Rgb> colours(standing.pixels.begin(), standing.pixels.end());
    EXPECT_LE(colours.size(), 16u) << "kit " << kit;
    distinct.insert(standing.pixels);
  }
  for (int colourClass = 1; colourClass <= kKitClassCount; ++colourClass) {
    distinct.insert(Picture(KeeperPictureName(kPoseStand, colourClass)).pixels);
  }
  EXPECT_EQ(distinct.size(), std::size_t(kKitCodeCount + kKitClassCount));
}

}  // namespace
}  // namespace artwork
