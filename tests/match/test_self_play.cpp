// Whole matches that play themselves through the timer tick, at every level code, with a
// random stream of key events: nothing leaves the bounds the rules allow, both sides score
// across the set, restarts and keeper holds happen, and a seed gives the same match again.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "presentation/motion_blend.h"
#include "support/self_play.h"

namespace {

constexpr int kSeedsPerLevelCode = 12;

std::string Describe(const self_play::Report& r) {
  return std::to_string(r.scoreA) + "-" + std::to_string(r.scoreB) + " (throw-ins " +
         std::to_string(r.throwIns) + ", corners " + std::to_string(r.corners) + ", goal kicks " +
         std::to_string(r.goalKicks) + ", keeper holds " + std::to_string(r.keeperHolds) +
         ", offside flags " + std::to_string(r.offsideFlags) + ")";
}

// The Level setting that goes with a level code in a friendly (the code decides the speeds
// and the rhythm; the setting the long shots and the speed caps).
int LevelSettingFor(int levelCode) {
  return levelCode >= 4 ? levelCode % 2 : 3 - levelCode % 3;
}

TEST(SelfPlay, MatchesAtEveryLevelCodeStayInBoundsAndBothSidesScore) {
  int goalsA = 0;
  int goalsB = 0;
  int throwIns = 0, corners = 0, goalKicks = 0, holds = 0, offside = 0;
  for (int levelCode = 0; levelCode <= 6; ++levelCode) {
    std::string line;
    for (int s = 0; s < kSeedsPerLevelCode; ++s) {
      self_play::Settings settings;
      settings.seed = std::uint32_t(1000 * levelCode + s + 1);
      settings.levelCode = levelCode;
      settings.levelSetting = LevelSettingFor(levelCode);
      const self_play::Report r = self_play::PlayMatch(settings);
      EXPECT_EQ(r.outOfBounds, 0) << "level code " << levelCode << " seed " << settings.seed << ": "
                                  << r.firstOutOfBounds;
      EXPECT_TRUE(r.ended) << "level code " << levelCode << " seed " << settings.seed;
      EXPECT_GE(r.frames, 2 * 18000 / 11 - 2);
      EXPECT_GT(r.keyEvents, 1000);
      EXPECT_EQ(r.goalsFirstHalf + r.goalsSecondHalf, r.scoreA + r.scoreB);
      goalsA += r.scoreA;
      goalsB += r.scoreB;
      throwIns += r.throwIns;
      corners += r.corners;
      goalKicks += r.goalKicks;
      holds += r.keeperHolds;
      offside += r.offsideFlags;
      line += (s == 0 ? "" : "; ") + Describe(r);
    }
    std::printf("[ self-play ] level code %d: %s\n", levelCode, line.c_str());
  }
  EXPECT_GT(goalsA, 0);
  EXPECT_GT(goalsB, 0);
  EXPECT_GT(throwIns, 0);
  EXPECT_GT(corners, 0);
  EXPECT_GT(goalKicks, 0);
  EXPECT_GT(holds, 0);
  EXPECT_GT(offside, 0);
}

TEST(SelfPlay, SameSeedPlaysTheSameMatch) {
  self_play::Settings settings;
  settings.seed = 77;
  settings.levelCode = 4;
  settings.secondsPerPeriod = 60;
  const self_play::Report first = self_play::PlayMatch(settings);
  const self_play::Report second = self_play::PlayMatch(settings);
  EXPECT_EQ(Describe(first), Describe(second));
  EXPECT_EQ(first.frames, second.frames);
  EXPECT_EQ(first.keyEvents, second.keyEvents);
}

// A play-off of the campaign runs from the entrance through both halves, with a celebration
// after every goal, and gets one period of extra time exactly when it stands level after the
// second half; the clock ends it either way, never with a second extra time.
TEST(SelfPlay, PlayoffsGetExtraTimeOnlyWhenLevelAndEveryMatchEnds) {
  int withExtraTime = 0, withoutExtraTime = 0;
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    self_play::Settings settings;
    settings.seed = seed;
    settings.levelCode = 3;
    settings.playoff = true;
    settings.secondsPerPeriod = 30;
    const self_play::Report r = self_play::PlayMatch(settings);
    ASSERT_TRUE(r.ended) << "seed " << seed;
    EXPECT_EQ(r.celebrations, r.scoreA + r.scoreB) << "seed " << seed;
    if (r.extraTime) {
      ++withExtraTime;
      EXPECT_EQ(r.scoreAAtExtraTime, r.scoreBAtExtraTime) << "seed " << seed;
      EXPECT_EQ(r.extraTimePeriods, 1) << "seed " << seed;
    } else {
      ++withoutExtraTime;
      EXPECT_NE(r.scoreA, r.scoreB) << "a level play-off ended without extra time, seed " << seed;
    }
    if (withExtraTime > 0 && withoutExtraTime > 0 && seed >= 8) break;
  }
  EXPECT_GT(withExtraTime, 0);
  EXPECT_GT(withoutExtraTime, 0);
}

// A play-off still level after extra time goes to a shoot-out, started as the game flow starts
// it and run by the same tick until it is decided; drawn, the window receives the end of the
// match twice: after extra time and after the shoot-out.
TEST(SelfPlay, ALevelPlayoffPlaysExtraTimeThenAShootOutToItsDecision) {
  for (std::uint32_t seed = 1; seed <= 4; ++seed) {
    self_play::Settings settings;
    settings.seed = seed;
    settings.levelCode = 3;
    settings.playoff = true;
    settings.forceLevel = true;
    settings.secondsPerPeriod = 20;
    settings.drawing = seed == 4;
    const self_play::Report r = self_play::PlayMatch(settings);
    ASSERT_TRUE(r.ended) << "seed " << seed;
    EXPECT_TRUE(r.extraTime) << "seed " << seed;
    EXPECT_EQ(r.scoreA, r.scoreB) << "seed " << seed;
    ASSERT_TRUE(r.shootOut) << "seed " << seed;
    EXPECT_TRUE(r.shootOutDecided) << "seed " << seed;
    EXPECT_NE(r.shootGoalsA, r.shootGoalsB) << "seed " << seed;
    EXPECT_GE(r.shootKicks, 6) << "seed " << seed;
    EXPECT_EQ(r.shootOutCelebrations, r.shootGoalsA + r.shootGoalsB) << "seed " << seed;
    EXPECT_GT(r.shootOutFrames, 5 * r.shootKicks) << "seed " << seed;
    EXPECT_EQ(r.outOfBounds, 0) << r.firstOutOfBounds;
    if (settings.drawing) {
      EXPECT_EQ(r.endOfMatchCommands, 2);
    }
  }
}

// A friendly stands level after the second half and ends there: no extra time.
TEST(SelfPlay, ALevelFriendlyEndsAfterTheSecondHalf) {
  int level = 0;
  for (std::uint32_t seed = 1; seed <= 40 && level < 2; ++seed) {
    self_play::Settings settings;
    settings.seed = seed;
    settings.levelCode = 3;
    settings.secondsPerPeriod = 20;
    const self_play::Report r = self_play::PlayMatch(settings);
    ASSERT_TRUE(r.ended);
    EXPECT_FALSE(r.extraTime) << "seed " << seed;
    if (r.scoreA == r.scoreB) ++level;
  }
  EXPECT_GT(level, 0);
}

TEST(SelfPlay, WithoutTheUserTheComputerSideStillPlaysAndStaysInBounds) {
  self_play::Settings settings;
  settings.seed = 5;
  settings.levelCode = 5;
  settings.keys = false;
  const self_play::Report r = self_play::PlayMatch(settings);
  EXPECT_EQ(r.outOfBounds, 0) << r.firstOutOfBounds;
  EXPECT_EQ(r.keyEvents, 0);
  EXPECT_GT(r.scoreB, 0);
}

TEST(SelfPlay, DrawnMatchInAWindowStaysInBounds) {
  self_play::Settings settings;
  settings.seed = 3;
  settings.levelCode = 2;
  settings.drawing = true;
  settings.secondsPerPeriod = 30;
  const self_play::Report r = self_play::PlayMatch(settings);
  EXPECT_EQ(r.outOfBounds, 0) << r.firstOutOfBounds;
  EXPECT_TRUE(r.ended);
  EXPECT_GE(r.frames, 2 * 3000 / 11 - 2);
  EXPECT_GT(r.keyEvents, 100);
}

// The rules do not depend on the drawing: the same seeded match, played without drawing, drawn
// on its rule frames in a window, and drawn with smooth motion (the picture between the rule
// frames at the display's rate; at three of the level codes, for time), leaves the same records
// after every frame, at every level code; one of them a play-off taken to a shoot-out.
TEST(SelfPlay, DrawnAndUndrawnMatchesFollowTheSameRulesFrameByFrame) {
  for (int levelCode = 0; levelCode <= 6; ++levelCode) {
    std::vector<std::vector<int>> undrawn, drawn, smooth;
    self_play::Settings settings;
    settings.seed = std::uint32_t(500 + levelCode);
    settings.levelCode = levelCode;
    settings.levelSetting = LevelSettingFor(levelCode);
    settings.secondsPerPeriod = 15;
    settings.playoff = settings.forceLevel = levelCode == 3;
    settings.frameRecords = &undrawn;
    const self_play::Report a = self_play::PlayMatch(settings);
    settings.drawing = true;
    settings.pictures = true;
    settings.frameRecords = &drawn;
    const self_play::Report b = self_play::PlayMatch(settings);
    if (levelCode % 3 != 0) {
      EXPECT_EQ(Describe(a), Describe(b));
      ASSERT_EQ(undrawn, drawn) << "level code " << levelCode;
      continue;
    }
    settings.smoothMotion = true;
    settings.frameRecords = &smooth;
    bool betweenFrames = false;  // a picture drawn part of the way between two rule frames
    settings.afterTick = [&betweenFrames](platform::Window*) {
      betweenFrames =
          betweenFrames || (motionBlend.fraction > 0 && motionBlend.fraction < kBlendWhole);
    };
    const self_play::Report c = self_play::PlayMatch(settings);
    EXPECT_TRUE(betweenFrames) << "level code " << levelCode;
    ASSERT_EQ(undrawn.size(), drawn.size()) << "level code " << levelCode;
    ASSERT_EQ(undrawn.size(), smooth.size()) << "level code " << levelCode;
    ASSERT_GT(undrawn.size(), 250u);
    for (std::size_t f = 0; f < undrawn.size(); ++f) {
      ASSERT_EQ(undrawn[f], drawn[f]) << "level code " << levelCode << ", frame " << f;
      ASSERT_EQ(undrawn[f], smooth[f]) << "smooth, level code " << levelCode << ", frame " << f;
    }
    EXPECT_EQ(Describe(a), Describe(b));
    EXPECT_EQ(Describe(a), Describe(c));
  }
}

}  // namespace
