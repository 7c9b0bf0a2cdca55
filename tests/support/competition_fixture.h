// A known starting point for the competition tests: every record reset, the nation database
// as at a new campaign and the random source on a fixed seed.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>

#include "base/game_flow_state.h"
#include "base/random_below.h"
#include "base/record_resets.h"
#include "competition/fixtures.h"
#include "competition/nations.h"
#include "competition/standings.h"

class CompetitionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetAllRecords();
    InitTeamDatabase();
    SeedRandom(12345);
  }
  void TearDown() override { ResetAllRecords(); }

  // A league of the given nation numbers in slots 0, 1, ...
  static void SetLeague(std::initializer_list<int> nations) {
    leagueState.slots.fill(0);
    int slot = 0;
    for (int nation : nations) leagueState.slots[slot++] = static_cast<std::uint8_t>(nation);
    leagueState.teamCount = static_cast<std::uint8_t>(slot);
  }

  // Gives a nation (number) a league record of its own: wins and draws against made-up
  // opponents and the goal totals. Only the nation's own record counts for its standing.
  static void SetRecord(int nation, int wins, int draws, int goalsFor, int goalsAgainst) {
    TeamRecord& team = TeamTable[nation - 1];
    for (auto& outcome : team.results) outcome = 2;
    for (int i = 0; i < wins; ++i) team.results[i] = 1;
    for (int i = 0; i < draws; ++i) team.results[wins + i] = 3;
    team.goalsFor = static_cast<std::uint8_t>(goalsFor);
    team.goalsAgainst = static_cast<std::uint8_t>(goalsAgainst);
  }

  // The ranks of slots 0 to teamCount - 1 after ComputeStandings.
  static std::array<int, kLeagueSlots> Ranks() {
    std::array<int, kLeagueSlots> ranks{};
    for (int j = 0; j < leagueState.teamCount; ++j) ranks[j] = Standings[j].rank;
    return ranks;
  }
};
