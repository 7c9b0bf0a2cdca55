// The World Cup draw.
#include "competition/group_draw.h"

#include "base/random_below.h"
#include "competition/fixtures.h"

namespace {

constexpr int kRegionAsia = 0;
constexpr int kRegionEurope = 1;
constexpr int kRegionSouthAmerica = 2;
constexpr int kRegionNorthAmerica = 3;
constexpr int kRegionAfrica = 4;

constexpr int kTries = 3000;
constexpr int kTriesBeforeFallback = 1500;

// When a try into group g succeeds: the pot flag must be clear (unless the rule ignores it)
// and the group must hold fewer than `below` nations.
struct DrawRule {
  bool needsClearFlag;
  int below;
};

// One pot entry: `count` qualifiers of a region, from its `first` qualifier on.
struct PotEntry {
  int region;
  int first;
  int count;
  bool newPot;  // clear the pot flags before this entry
  DrawRule rule;
  bool hasFallback;
  DrawRule fallback;
};

constexpr PotEntry kPots[] = {
    {kRegionAsia, 0, 3, true, {true, kGroupSize}, false, {}},
    {kRegionSouthAmerica, 0, 3, true, {true, kGroupSize}, false, {}},
    {kRegionAfrica, 0, 3, true, {true, 2}, true, {true, kGroupSize}},
    {kRegionEurope, 0, 4, true, {true, 3}, true, {true, kGroupSize}},
    {kRegionEurope, 4, 1, false, {false, kGroupSize}, false, {}},
    {kRegionNorthAmerica, 0, 2, true, {true, kGroupSize}, true, {false, kGroupSize}},
};

struct DrawState {
  int counts[kGroupCount] = {};
  bool flags[kGroupCount] = {};
};

bool Accepts(const DrawState& state, const DrawRule& rule, int g) {
  if (rule.needsClearFlag && state.flags[g]) return false;
  return state.counts[g] < rule.below;
}

void DrawNation(DrawState& state, const PotEntry& pot, int nation) {
  for (int attempt = 1; attempt <= kTries; ++attempt) {
    int g = RandomBelow(kGroupCount);
    bool placed = Accepts(state, pot.rule, g);
    if (!placed && pot.hasFallback && attempt > kTriesBeforeFallback) {
      g = RandomBelow(kGroupCount);
      placed = Accepts(state, pot.fallback, g);
    }
    if (placed) {
      PlaceInGroup(g, nation);
      state.flags[g] = true;
      state.counts[g] += 1;
      return;
    }
  }
}

}  // namespace

void PlaceInGroup(int group, int nationNumber) {
  if (group < 0 || group >= kGroupCount) return;
  for (auto& place : GroupTable[group]) {
    if (place == 0) {
      place = static_cast<std::uint8_t>(nationNumber);
      return;
    }
  }
}

void DrawGroups() {
  for (auto& group : GroupTable) group.fill(0);
  DrawState state;
  for (const PotEntry& pot : kPots) {
    if (pot.newPot) {
      for (bool& flag : state.flags) flag = false;
    }
    for (int i = 0; i < pot.count; ++i) {
      const int nation = QualifierTable[pot.region][pot.first + i];
      if (nation == 0) continue;
      DrawNation(state, pot, nation);
    }
  }
}
