// The nation database: the start of a campaign, the names and the codes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "competition/nations.h"

namespace {

class NationDatabase : public ::testing::Test {
 protected:
  void SetUp() override { ResetNationRecords(); }
  void TearDown() override { ResetNationRecords(); }
};

// Fills every record and name with a byte that no field starts with.
void Scribble() {
  for (auto& team : TeamTable) std::memset(&team, 0xAB, sizeof team);
  for (auto& name : NationNames) name.fill('x');
}

bool AllBytes(const std::uint8_t* bytes, std::size_t count, std::uint8_t value) {
  for (std::size_t i = 0; i < count; ++i) {
    if (bytes[i] != value) return false;
  }
  return true;
}

TEST_F(NationDatabase, InitTeamDatabaseStartsEveryPlayingNationAfresh) {
  Scribble();
  InitTeamDatabase();

  const TeamRecord& japan = TeamTable[0];
  EXPECT_EQ(japan.reserved0, 0);
  EXPECT_EQ(japan.reserved2, 0);
  EXPECT_EQ(japan.region, 0);
  EXPECT_TRUE(AllBytes(japan.results, 31, 0));
  EXPECT_TRUE(AllBytes(japan.spareResults, 31, 0));
  EXPECT_TRUE(AllBytes(japan.playerCountsA, 11, 0));
  EXPECT_TRUE(AllBytes(japan.playerCountsB, 11, 0));
  EXPECT_EQ(japan.goalsFor, 0);
  EXPECT_EQ(japan.goalsAgainst, 0);
  EXPECT_TRUE(AllBytes(japan.ratings, 5, 3));
  EXPECT_EQ(japan.strength, 3);
  EXPECT_EQ(japan.qualifyingStrength, 1);
  EXPECT_EQ(japan.firstKit, 4);
  EXPECT_EQ(japan.secondKit, 23);

  const TeamRecord& morocco = TeamTable[30];
  EXPECT_EQ(morocco.region, 4);
  EXPECT_TRUE(AllBytes(morocco.results, 31, 0));
  EXPECT_TRUE(AllBytes(morocco.playerCountsB, 11, 0));
  EXPECT_TRUE(AllBytes(morocco.ratings, 5, 1));
  EXPECT_EQ(morocco.strength, 1);
  EXPECT_EQ(morocco.qualifyingStrength, 0);
  EXPECT_EQ(morocco.firstKit, 15);
  EXPECT_EQ(morocco.secondKit, 22);

  // Ratings and the World Cup rating differ for the Netherlands and Portugal.
  EXPECT_TRUE(AllBytes(TeamTable[10].ratings, 5, 5));
  EXPECT_EQ(TeamTable[10].strength, 6);
  EXPECT_TRUE(AllBytes(TeamTable[13].ratings, 5, 3));
  EXPECT_EQ(TeamTable[13].strength, 5);
  EXPECT_EQ(TeamTable[13].qualifyingStrength, 3);

  EXPECT_STREQ(NationNames[0].data(), "日本");
  EXPECT_STREQ(NationNames[3].data(), "サウジアラビア");
  EXPECT_STREQ(NationNames[30].data(), "モロッコ");
}

TEST_F(NationDatabase, InitTeamDatabaseKeepsTheYouthSelectionsResultsAndCounts) {
  Scribble();
  InitTeamDatabase();
  const TeamRecord& youth = TeamTable[kYouthSelection];
  EXPECT_TRUE(AllBytes(youth.results, 31, 0xAB));
  EXPECT_TRUE(AllBytes(youth.spareResults, 31, 0xAB));
  EXPECT_TRUE(AllBytes(youth.playerCountsA, 11, 0xAB));
  EXPECT_TRUE(AllBytes(youth.playerCountsB, 11, 0xAB));
  // Everything else of its record is set.
  EXPECT_EQ(youth.reserved0, 0);
  EXPECT_EQ(youth.goalsFor, 0);
  EXPECT_EQ(youth.goalsAgainst, 0);
  EXPECT_EQ(youth.region, 0);
  EXPECT_TRUE(AllBytes(youth.ratings, 5, 0));
  EXPECT_EQ(youth.strength, 0);
  EXPECT_EQ(youth.qualifyingStrength, 0);
  EXPECT_EQ(youth.firstKit, 2);
  EXPECT_EQ(youth.secondKit, 7);
  EXPECT_STREQ(NationNames[kYouthSelection].data(), "ユース選抜");
}

TEST_F(NationDatabase, RegionsAreContiguousAndMatchTheRecords) {
  InitTeamDatabase();
  int next = 0;
  for (int region = 0; region < kRegionCount; ++region) {
    EXPECT_EQ(RegionFirstNation(region), next);
    for (int i = 0; i < RegionNationCount(region); ++i) {
      EXPECT_EQ(TeamTable[next + i].region, region) << "nation " << next + i;
    }
    next += RegionNationCount(region);
  }
  EXPECT_EQ(next, kNationCount);
  EXPECT_EQ(RegionNationCount(3), 5);
  EXPECT_EQ(RegionNationCount(5), 0);
  EXPECT_EQ(RegionNationCount(-1), 0);
}

TEST_F(NationDatabase, EveryNationHasAKitPairAndARatingInRange) {
  InitTeamDatabase();
  for (int nation = 0; nation < kNationCount; ++nation) {
    const TeamRecord& team = TeamTable[nation];
    EXPECT_GE(team.strength, 1) << nation;
    EXPECT_LE(team.strength, 6) << nation;
    EXPECT_LE(team.qualifyingStrength, 4) << nation;
    EXPECT_GE(team.firstKit, 1) << nation;
    EXPECT_LE(team.firstKit, 27) << nation;
    EXPECT_GE(team.secondKit, 1) << nation;
    EXPECT_LE(team.secondKit, 27) << nation;
  }
  // Canada and Costa Rica share both kits.
  EXPECT_EQ(TeamTable[22].firstKit, TeamTable[24].firstKit);
  EXPECT_EQ(TeamTable[22].secondKit, TeamTable[24].secondKit);
}

TEST_F(NationDatabase, FillNationNamesRewritesOnlyTheNames) {
  InitTeamDatabase();
  TeamTable[5].goalsFor = 9;
  for (auto& name : NationNames) name.fill('x');
  FillNationNames();
  EXPECT_STREQ(NationNames[0].data(), "日本");
  EXPECT_STREQ(NationNames[30].data(), "モロッコ");
  EXPECT_STREQ(NationNames[31].data(), "ユース選抜");
  EXPECT_EQ(TeamTable[5].goalsFor, 9);
}

TEST_F(NationDatabase, NationNameCoversThePlayingNationsOnly) {
  std::string name = "unchanged";
  EXPECT_EQ(NationName(&name, 0), 4);
  EXPECT_EQ(name, "日本");
  EXPECT_EQ(NationName(&name, 30), 8);
  EXPECT_EQ(name, "モロッコ");
  EXPECT_EQ(NationName(&name, 8), 12);
  EXPECT_EQ(name, "イングランド");

  name = "unchanged";
  EXPECT_EQ(NationName(&name, 31), 0);
  EXPECT_EQ(NationName(&name, 32), 0);
  EXPECT_EQ(NationName(&name, -1), 0);
  EXPECT_EQ(name, "unchanged");
}

TEST_F(NationDatabase, NationCodeCoversTheYouthSelectionAndEmptiesOtherwise) {
  std::string code = "old";
  NationCode(&code, 0);
  EXPECT_EQ(code, "JPN");
  NationCode(&code, 30);
  EXPECT_EQ(code, "MAR");
  NationCode(&code, 31);
  EXPECT_EQ(code, "U20");
  NationCode(&code, 32);
  EXPECT_EQ(code, "");
  code = "old";
  NationCode(&code, -1);
  EXPECT_EQ(code, "");
  NationCode(&code, 24);
  EXPECT_EQ(code, "CRC");
}

TEST_F(NationDatabase, RegionNameWritesTheFiveRegions) {
  std::string name;
  EXPECT_EQ(RegionName(&name, 0), 6);
  EXPECT_EQ(name, "アジア");
  EXPECT_EQ(RegionName(&name, 1), 10);
  EXPECT_EQ(name, "ヨーロッパ");
  EXPECT_EQ(RegionName(&name, 2), 4);
  EXPECT_EQ(name, "南米");
  EXPECT_EQ(RegionName(&name, 3), 12);
  EXPECT_EQ(name, "北中米カリブ");
  EXPECT_EQ(RegionName(&name, 4), 8);
  EXPECT_EQ(name, "アフリカ");
  EXPECT_EQ(RegionName(&name, 5), 0);
  EXPECT_EQ(RegionName(&name, -1), 0);
  EXPECT_EQ(name, "アフリカ");
}

}  // namespace
