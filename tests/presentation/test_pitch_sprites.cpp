// The players on the screen: which mask and picture each pose shows and whether it is
// mirrored, the dark overlay, the marker under the user's player and the depth order in
// which the 22 players and the ball are drawn.
//
// Every picture slot holds a 2 × 9 picture whose top row reads back what was drawn: the red
// channel is the picture's slot, the blue channel the mask's slot, the green channel tells
// the left column (0x11) from the right (0x22); the dark overlay clears the low bits of its
// left column's green. The canvas is white, so the mask's blue survives the AND.
#include <string>

#include "platform/platform.h"
#include "support/pitch_test_support.h"

namespace pitch_test {
namespace {

constexpr int kSpriteHeight = 9;

class Sprites : public PitchViewTest {
 protected:
  void SetUp() override {
    PitchViewTest::SetUp();
    for (int mask = 10; mask <= 24; ++mask) {
      Install(mask, SolidPicture(2, kSpriteHeight, Rgb(0, 0, mask)));
      Install(mask + 50, MakePicture(2, kSpriteHeight, [](int x, int) {
                return x == 0 ? Rgb(255, 0xF0, 255) : kWhite;
              }));
    }
    for (int base : {match.sheetBaseA, match.sheetBaseB}) {
      for (int slot = base; slot < base + 23; ++slot) {
        Install(slot, MakePicture(2, kSpriteHeight, [slot](int x, int) {
                  return Rgb(slot, x == 0 ? 0x11 : 0x22, 0);
                }));
      }
    }
    match.controlledPlayer = 0;  // no marker unless a test asks for one
  }

  // Puts a player where his picture's top left corner lands at screen (x, 434): on the near
  // touch line, where nothing is shifted.
  static void PlaceOnScreen(PlayerState* player, int x) {
    if (match.half == 2) {
      player->x = match.mirrorX - x;
      player->y = match.mirrorY - 450;
    } else {
      player->x = x;
      player->y = 450;
    }
  }

  // What the two pixels at (x, y) and (x + 1, y) show: "picture P mask M", then " flipped"
  // when the columns are swapped and " dark" when the overlay darkened them; "nothing" when
  // the canvas is untouched, "mixed" for anything else.
  std::string Read(int x, int y) const {
    const platform::Color left = Pixel(x, y);
    const platform::Color right = Pixel(x + 1, y);
    if (left == kWhite && right == kWhite) return "nothing";
    if (platform::RedOf(left) != platform::RedOf(right) ||
        platform::BlueOf(left) != platform::BlueOf(right)) {
      return "mixed";
    }
    const int gl = platform::GreenOf(left);
    const int gr = platform::GreenOf(right);
    std::string out = "picture " + std::to_string(platform::RedOf(left)) + " mask " +
                      std::to_string(platform::BlueOf(left));
    if (gl == 0x11 && gr == 0x22) return out;
    if (gl == 0x10 && gr == 0x22) return out + " dark";
    if (gl == 0x22 && gr == 0x11) return out + " flipped";
    if (gl == 0x22 && gr == 0x10) return out + " flipped dark";
    return "mixed";
  }

  // Draws one player of a side with a pose and reads his picture back.
  std::string Draw(bool teamBSide, int index, int pose) {
    Clear(kWhite);
    PlayerState& player = teamBSide ? teamB[std::size_t(index)] : teamA[std::size_t(index)];
    PlaceOnScreen(&player, 100);
    player.pose = pose;
    if (teamBSide) {
      DrawPlayerB(dc, index);
    } else {
      DrawPlayerA(dc, index);
    }
    return Read(100, 434);
  }
};

// ---------------------------------------------------------------- poses

TEST_F(Sprites, WalkingAndKeeperPosesShowTheirSheetSlots) {
  match.half = 1;
  EXPECT_EQ(Draw(false, 5, 0), "picture 110 mask 10");
  EXPECT_EQ(Draw(false, 5, 7), "picture 117 mask 17");
  EXPECT_EQ(Draw(true, 5, 3), "picture 33 mask 13");
  // The goalkeeper's pictures are the class sheets, eight slots further on.
  EXPECT_EQ(Draw(false, 0, 0), "picture 118 mask 10");
  EXPECT_EQ(Draw(false, 0, 11), "picture 129 mask 21");
  EXPECT_EQ(Draw(true, 0, 9), "picture 47 mask 19");
}

TEST_F(Sprites, HeaderPoseIsMirroredForTeamAInTheFirstHalfAndTeamBInTheSecond) {
  match.half = 1;
  EXPECT_EQ(Draw(false, 4, 20), "picture 130 mask 22 flipped");
  EXPECT_EQ(Draw(false, 4, 21), "picture 130 mask 22 flipped");
  EXPECT_EQ(Draw(true, 4, 20), "picture 50 mask 22");
  EXPECT_EQ(Draw(false, 0, 20), "picture 130 mask 22 flipped");  // no keeper offset
  match.half = 2;
  EXPECT_EQ(Draw(false, 4, 20), "picture 130 mask 22");
  EXPECT_EQ(Draw(true, 4, 20), "picture 50 mask 22 flipped");
  // Pose 21 belongs to team A only.
  EXPECT_EQ(Draw(true, 4, 21), "nothing");
  // Outside the two halves (the entrance) neither side is mirrored.
  match.half = 0;
  EXPECT_EQ(Draw(false, 4, 20), "picture 130 mask 22");
  EXPECT_EQ(Draw(true, 4, 20), "picture 50 mask 22");
}

TEST_F(Sprites, RunningPosesThirtyTwoAndThirtyThreeAreTheRunningPicturesMirrored) {
  for (int half : {1, 2}) {
    match.half = half;
    EXPECT_EQ(Draw(false, 9, 30), "picture 131 mask 23") << "half " << half;
    EXPECT_EQ(Draw(false, 9, 31), "picture 132 mask 24") << "half " << half;
    EXPECT_EQ(Draw(false, 9, 32), "picture 131 mask 23 flipped") << "half " << half;
    EXPECT_EQ(Draw(false, 9, 33), "picture 132 mask 24 flipped") << "half " << half;
    EXPECT_EQ(Draw(true, 9, 32), "picture 51 mask 23 flipped") << "half " << half;
    EXPECT_EQ(Draw(true, 9, 33), "picture 52 mask 24 flipped") << "half " << half;
  }
}

TEST_F(Sprites, PosesWithoutAPictureDrawNothing) {
  match.half = 1;
  for (int pose : {-1, 12, 19, 22, 29, 34}) {
    EXPECT_EQ(Draw(false, 5, pose), "nothing") << "pose " << pose;
  }
}

// ---------------------------------------------------------------- dark overlay

TEST_F(Sprites, DarkOverlayModeOneDarkensEveryPlayerOfThatSide) {
  match.half = 1;
  match.darkOverlayB = 1;
  for (int i = 0; i < kPlayersPerSide; ++i) {
    const int pose = i == 0 ? 2 : 4;
    const std::string expected = "picture " + std::to_string(30 + pose + (i == 0 ? 8 : 0)) +
                                 " mask " + std::to_string(pose + 10) + " dark";
    EXPECT_EQ(Draw(true, i, pose), expected) << "player " << i;
  }
  // The other side keeps its own mode.
  EXPECT_EQ(Draw(false, 3, 4), "picture 114 mask 14");
}

TEST_F(Sprites, DarkOverlayModeTwoDarkensOddIndicesAndTheLastTwo) {
  match.half = 1;
  match.darkOverlayA = 2;
  const std::string expected[kPlayersPerSide] = {"", " dark", "", " dark", "",     " dark",
                                                 "", " dark", "", " dark", " dark"};
  for (int i = 0; i < kPlayersPerSide; ++i) {
    const int picture = 110 + 1 + (i == 0 ? 8 : 0);
    EXPECT_EQ(Draw(false, i, 1), "picture " + std::to_string(picture) + " mask 11" + expected[i])
        << "player " << i;
  }
}

TEST_F(Sprites, DarkOverlayIsMirroredExactlyWhenThePictureIs) {
  match.darkOverlayA = 1;
  match.half = 1;
  EXPECT_EQ(Draw(false, 6, 32), "picture 131 mask 23 flipped dark");
  EXPECT_EQ(Draw(false, 6, 20), "picture 130 mask 22 flipped dark");
  EXPECT_EQ(Draw(false, 6, 30), "picture 131 mask 23 dark");
  match.half = 2;
  EXPECT_EQ(Draw(false, 6, 20), "picture 130 mask 22 dark");
}

// ---------------------------------------------------------------- depth order

class DepthOrder : public Sprites {
 protected:
  static constexpr int kRow = 438;  // a row every picture of the line-up covers

  // Object k: team A's players 0-10, then team B's 0-10. Each gets a pose of its own so that
  // its picture slot, read back as red, names it: outfield players poses 0-9, keepers pose 3.
  static PlayerState& Object(int k) {
    return k < 11 ? teamA[std::size_t(k)] : teamB[std::size_t(k - 11)];
  }
  static int PoseOf(int k) {
    const int index = k % 11;
    return index == 0 ? 3 : index - 1;
  }
  static int RedOf(int k) { return (k < 11 ? 110 : 30) + PoseOf(k) + (k % 11 == 0 ? 8 : 0); }

  // All 22 players on one row, object k with its picture's left column at x = 100 + k: each
  // object's right column is covered by the next object's left column if that one is drawn
  // later.
  void LineUp() {
    for (int k = 0; k < 22; ++k) {
      PlaceOnScreen(&Object(k), 100 + k);
      Object(k).pose = PoseOf(k);
    }
  }
  // For each neighbouring pair (k, k + 1): '>' when k + 1 was drawn over k, '<' when k was
  // drawn over k + 1, '?' when neither shows.
  std::string Overlaps() const {
    std::string out;
    for (int k = 0; k < 21; ++k) {
      const int red = platform::RedOf(Pixel(100 + k + 1, kRow));
      out += red == RedOf(k + 1) ? '>' : red == RedOf(k) ? '<' : '?';
    }
    return out;
  }
};

TEST_F(DepthOrder, EqualRowsAreDrawnInIndexOrderInTheFirstHalfAndReversedInTheSecond) {
  match.half = 1;
  ball.y = 0;  // far up the pitch, away from the row
  LineUp();
  DrawObjects(dc);
  EXPECT_EQ(Overlaps(), std::string(21, '>'));

  Clear(kWhite);
  match.half = 2;
  ball.y = 500;
  LineUp();
  DrawObjects(dc);
  EXPECT_EQ(Overlaps(), std::string(21, '<'));
}

TEST_F(DepthOrder, LowerOnThePitchIsDrawnLaterWhateverTheIndex) {
  match.half = 1;
  ball.y = 0;
  LineUp();
  // Team B's player 3 (object 14) one pixel lower than the rest: drawn after all others.
  teamB[3].y += 1;
  DrawObjects(dc);
  std::string expected(21, '>');
  expected[14] = '<';  // 14 over 15
  EXPECT_EQ(Overlaps(), expected);

  // In the second half a larger pitch y is higher on the screen, and is drawn before the rest.
  Clear(kWhite);
  match.half = 2;
  ball.y = 500;
  LineUp();
  teamB[3].y += 1;
  DrawObjects(dc);
  expected = std::string(21, '<');
  expected[14] = '>';  // 15 over 14
  EXPECT_EQ(Overlaps(), expected);
}

TEST_F(DepthOrder, BallOnThePlayersRowComesAfterThemInTheFirstHalfAndBeforeInTheSecond) {
  constexpr platform::Color kBall = Rgb(250, 0, 250);
  Install(7, SolidPicture(2, 2, kBlack));
  Install(6, SolidPicture(2, 2, kBall));
  pitchView.leftGoalScreenX = 50;
  pitchView.rightGoalScreenX = 892;
  for (int half : {1, 2}) {
    Clear(kWhite);
    match.half = half;
    LineUp();
    // The ball on the same pitch row; its picture (from y 442) covers the bottom row of the
    // players' pictures at x 105 and 106.
    ball.x = half == 2 ? match.mirrorX - 105 : 105;
    ball.y = teamA[5].y;
    DrawObjects(dc);
    if (half == 1) {
      EXPECT_EQ(Pixel(105, 442), kBall);
    } else {
      EXPECT_EQ(platform::RedOf(Pixel(105, 442)), RedOf(4));  // player 4 over player 5
    }
    EXPECT_EQ(Pixel(105, 443), kBall) << "half " << half;
  }
}

TEST_F(DepthOrder, MarkerIsDrawnJustBeforeTheControlledPlayer) {
  match.half = 1;
  ball.y = 0;
  LineUp();
  match.controlledPlayer = 4;  // team A's player 3, picture at x 103
  DrawObjects(dc);
  // The marker: a black outline from (99, 442) to (123, 454), exclusive.
  EXPECT_EQ(Pixel(99, 450), kBlack);
  EXPECT_EQ(Pixel(122, 450), kBlack);
  EXPECT_EQ(Pixel(110, 453), kBlack);
  EXPECT_EQ(Pixel(110, 454), kWhite);
  EXPECT_EQ(Pixel(110, 450), kWhite);
  // Its top edge lies on the pictures' bottom row: it covers players 0 to 2, drawn before it,
  // and is covered by player 3 and those after him.
  EXPECT_EQ(Pixel(99, 442), kBlack);
  EXPECT_EQ(Pixel(102, 442), kBlack);
  EXPECT_EQ(platform::RedOf(Pixel(103, 442)), RedOf(3));
  EXPECT_EQ(platform::RedOf(Pixel(122, 442)), RedOf(21));
}

}  // namespace
}  // namespace pitch_test
