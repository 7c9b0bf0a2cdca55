// The World Cup draw of the sixteen qualifiers into groups A to D.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "competition/fixtures.h"
#include "competition/group_draw.h"
#include "support/competition_fixture.h"

namespace {

class GroupDraw : public CompetitionTest {
 protected:
  // The qualifiers of every region as a finished qualifying leaves them.
  static void FillQualifiers() {
    const int counts[5] = {3, 5, 3, 2, 3};
    for (int region = 0; region < kRegionCount; ++region) {
      QualifierTable[region].fill(0);
      for (int i = 0; i < counts[region]; ++i) {
        QualifierTable[region][i] = static_cast<std::uint8_t>(RegionFirstNation(region) + i + 1);
      }
    }
  }
};

TEST_F(GroupDraw, EveryQualifierLandsInExactlyOneGroup) {
  FillQualifiers();
  std::set<std::pair<int, int>> groupsOfJapanAndKorea;
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    SCOPED_TRACE(seed);
    SeedRandom(seed);
    GroupTable[1][3] = 31;  // a leftover of an earlier draw
    DrawGroups();

    std::map<int, int> seen;  // nation number -> times placed
    int groupsWithTwoEuropeans = 0;
    for (int g = 0; g < kGroupCount; ++g) {
      int perRegion[kRegionCount] = {};
      for (std::uint8_t nation : GroupTable[g]) {
        ASSERT_NE(nation, 0) << "group " << g << " is not full";
        ++seen[nation];
        ++perRegion[TeamTable[nation - 1].region];
      }
      EXPECT_LE(perRegion[0], 1) << "group " << g;
      EXPECT_LE(perRegion[2], 1) << "group " << g;
      EXPECT_LE(perRegion[4], 1) << "group " << g;
      EXPECT_LE(perRegion[1], 2) << "group " << g;
      groupsWithTwoEuropeans += perRegion[1] == 2 ? 1 : 0;
    }
    EXPECT_EQ(groupsWithTwoEuropeans, 1);
    // The fifth European is the one that joins a group with a European in it.
    const int fifth = QualifierTable[1][4];
    for (const auto& group : GroupTable) {
      if (std::find(group.begin(), group.end(), fifth) == group.end()) continue;
      int europeans = 0;
      for (std::uint8_t nation : group) europeans += TeamTable[nation - 1].region == 1 ? 1 : 0;
      EXPECT_EQ(europeans, 2);
    }
    // Africans go to groups that Asia and South America left with fewer than two nations;
    // only when there are too few of those do the others take one.
    int africansOnTwo = 0;
    int groupsBelowTwo = 0;
    for (const auto& group : GroupTable) {
      int earlier = 0;
      bool african = false;
      for (std::uint8_t nation : group) {
        const int region = TeamTable[nation - 1].region;
        earlier += region == 0 || region == 2 ? 1 : 0;
        african = african || region == 4;
      }
      groupsBelowTwo += earlier < 2 ? 1 : 0;
      africansOnTwo += earlier == 2 && african ? 1 : 0;
    }
    EXPECT_EQ(africansOnTwo, std::max(0, 3 - groupsBelowTwo));
    EXPECT_EQ(seen.size(), 16u);
    for (const auto& [nation, times] : seen) {
      EXPECT_EQ(times, 1) << "nation " << nation;
      EXPECT_NE(nation, 31);
    }
    // Where Japan and Korea went, to see that the draw varies.
    int japan = -1, korea = -1;
    for (int g = 0; g < kGroupCount; ++g) {
      for (std::uint8_t nation : GroupTable[g]) {
        if (nation == 1) japan = g;
        if (nation == 2) korea = g;
      }
    }
    groupsOfJapanAndKorea.insert({japan, korea});
  }
  EXPECT_EQ(groupsOfJapanAndKorea.size(), 12u);  // every ordered pair of distinct groups
}

TEST_F(GroupDraw, TheSameSeedDrawsTheSameGroups) {
  FillQualifiers();
  SeedRandom(99);
  DrawGroups();
  const auto first = GroupTable;
  SeedRandom(99);
  DrawGroups();
  EXPECT_EQ(GroupTable, first);
}

TEST_F(GroupDraw, EmptyQualifierPlacesAreNotDrawn) {
  FillQualifiers();
  QualifierTable[3][1] = 0;
  DrawGroups();
  int placed = 0;
  for (const auto& group : GroupTable) {
    for (std::uint8_t nation : group) placed += nation != 0 ? 1 : 0;
  }
  EXPECT_EQ(placed, 15);
}

TEST_F(GroupDraw, PlaceInGroupFillsTheFirstEmptyPlace) {
  PlaceInGroup(2, 5);
  PlaceInGroup(2, 9);
  EXPECT_EQ(GroupTable[2], (std::array<std::uint8_t, 4>{5, 9, 0, 0}));
  PlaceInGroup(2, 11);
  PlaceInGroup(2, 12);
  const auto full = GroupTable;
  PlaceInGroup(2, 13);
  PlaceInGroup(2, 14);
  EXPECT_EQ(GroupTable, full);
  PlaceInGroup(4, 1);
  PlaceInGroup(-1, 1);
  EXPECT_EQ(GroupTable, full);
}

}  // namespace
