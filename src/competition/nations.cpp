// The nation database: the fixed list of nations, their names, codes, ratings and kits.
#include "competition/nations.h"

#include <cstring>
#include <string_view>

#include "base/record_resets.h"
#include "platform/platform.h"

std::array<TeamRecord, kTeamTableSize> TeamTable{};
std::array<std::array<char, kNationNameBytes>, kTeamTableSize> NationNames{};

namespace {

struct NationEntry {
  const char* code;
  const char* name;
  std::uint8_t region;
  std::uint8_t rating;  // all five ratings start at this value
  std::uint8_t strength;
  std::uint8_t qualifyingStrength;
  std::uint8_t firstKit;
  std::uint8_t secondKit;
};

// By nation index; the last entry is the youth selection.
constexpr NationEntry kNations[kTeamTableSize] = {
    {"JPN", platform::TranslateLater("日本"), 0, 3, 3, 1, 4, 23},
    {"KOR", platform::TranslateLater("韓国"), 0, 3, 3, 1, 9, 24},
    {"CHN", platform::TranslateLater("中国"), 0, 2, 2, 0, 2, 7},
    {"KSA", platform::TranslateLater("サウジアラビア"), 0, 2, 2, 0, 13, 25},
    {"IRI", platform::TranslateLater("イラン"), 0, 3, 3, 1, 2, 22},
    {"KUW", platform::TranslateLater("クウェート"), 0, 1, 1, 0, 10, 2},
    {"ITA", platform::TranslateLater("イタリア"), 1, 6, 6, 4, 6, 23},
    {"GER", platform::TranslateLater("ドイツ"), 1, 6, 6, 4, 3, 7},
    {"ENG", platform::TranslateLater("イングランド"), 1, 5, 5, 3, 7, 2},
    {"FRA", platform::TranslateLater("フランス"), 1, 6, 6, 4, 5, 23},
    {"NED", platform::TranslateLater("オランダ"), 1, 5, 6, 4, 20, 26},
    {"ESP", platform::TranslateLater("スペイン"), 1, 4, 5, 3, 8, 2},
    {"CZE", platform::TranslateLater("チェコ"), 1, 4, 5, 3, 2, 7},
    {"POR", platform::TranslateLater("ポルトガル"), 1, 3, 5, 3, 12, 24},
    {"BRA", platform::TranslateLater("ブラジル"), 2, 6, 6, 4, 18, 22},
    {"ARG", platform::TranslateLater("アルゼンチン"), 2, 6, 6, 4, 16, 6},
    {"URU", platform::TranslateLater("ウルグアイ"), 2, 5, 5, 2, 17, 8},
    {"CHI", platform::TranslateLater("チリ"), 2, 4, 4, 2, 8, 24},
    {"PAR", platform::TranslateLater("パラグアイ"), 2, 3, 4, 2, 21, 22},
    {"COL", platform::TranslateLater("コロンビア"), 2, 3, 3, 2, 27, 22},
    {"MEX", platform::TranslateLater("メキシコ"), 3, 4, 4, 3, 15, 25},
    {"USA", platform::TranslateLater("アメリカ"), 3, 3, 3, 2, 1, 24},
    {"CAN", platform::TranslateLater("カナダ"), 3, 2, 2, 0, 7, 2},
    {"JAM", platform::TranslateLater("ジャマイカ"), 3, 2, 2, 0, 19, 22},
    {"CRC", platform::TranslateLater("コスタリカ"), 3, 1, 1, 0, 7, 2},
    {"CMR", platform::TranslateLater("カメルーン"), 4, 4, 5, 3, 11, 22},
    {"NGR", platform::TranslateLater("ナイジェリア"), 4, 4, 4, 2, 14, 25},
    {"RSA", platform::TranslateLater("南アフリカ"), 4, 3, 3, 1, 15, 25},
    {"TUN", platform::TranslateLater("チュニジア"), 4, 2, 2, 0, 8, 2},
    {"EGY", platform::TranslateLater("エジプト"), 4, 1, 1, 0, 7, 24},
    {"MAR", platform::TranslateLater("モロッコ"), 4, 1, 1, 0, 15, 22},
    {"U20", platform::TranslateLater("ユース選抜"), 0, 0, 0, 0, 2, 7},
};

constexpr const char* kRegionNames[kRegionCount] = {
    platform::TranslateLater("アジア"), platform::TranslateLater("ヨーロッパ"),
    platform::TranslateLater("南米"), platform::TranslateLater("北中米カリブ"),
    platform::TranslateLater("アフリカ")};
constexpr int kRegionFirst[kRegionCount] = {0, 6, 14, 20, 25};
constexpr int kRegionCounts[kRegionCount] = {6, 8, 6, 5, 6};

void CopyName(int nation) {
  auto& entry = NationNames[nation];
  entry.fill(0);
  std::string_view name = kNations[nation].name;
  // Every name fits with its terminating zero; the bound keeps the copy safe regardless.
  std::size_t length = name.size() < entry.size() ? name.size() : entry.size() - 1;
  std::memcpy(entry.data(), name.data(), length);
}

// The name in the interface's language and its length as the screens measure it: one cell per
// ASCII character, two per full-width one.
int WriteName(std::string* out, const char* name) {
  out->assign(platform::Translate(name));
  return platform::DisplayCells(*out);
}

}  // namespace

void InitTeamDatabase() {
  for (int nation = 0; nation < kNationCount; ++nation) {
    TeamRecord& team = TeamTable[nation];
    std::memset(team.results, 0, sizeof team.results);
    std::memset(team.spareResults, 0, sizeof team.spareResults);
    std::memset(team.playerCountsA, 0, sizeof team.playerCountsA);
    std::memset(team.playerCountsB, 0, sizeof team.playerCountsB);
  }
  for (int nation = 0; nation < kTeamTableSize; ++nation) {
    TeamRecord& team = TeamTable[nation];
    const NationEntry& entry = kNations[nation];
    team.reserved0 = 0;
    team.goalsFor = 0;
    team.goalsAgainst = 0;
    team.reserved2 = 0;
    team.region = entry.region;
    for (auto& rating : team.ratings) rating = entry.rating;
    team.strength = entry.strength;
    team.qualifyingStrength = entry.qualifyingStrength;
    team.firstKit = entry.firstKit;
    team.secondKit = entry.secondKit;
    CopyName(nation);
  }
}

void FillNationNames() {
  for (int nation = 0; nation < kTeamTableSize; ++nation) CopyName(nation);
}

int RegionName(std::string* out, int region) {
  if (region < 0 || region >= kRegionCount) return 0;
  return WriteName(out, kRegionNames[region]);
}

int NationName(std::string* out, int nation) {
  if (nation < 0 || nation >= kNationCount) return 0;
  return WriteName(out, kNations[nation].name);
}

void NationCode(std::string* out, int nation) {
  out->clear();
  if (nation < 0 || nation >= kTeamTableSize) return;
  out->assign(kNations[nation].code);
}

int RegionFirstNation(int region) {
  if (region < 0 || region >= kRegionCount) return 0;
  return kRegionFirst[region];
}

int RegionNationCount(int region) {
  if (region < 0 || region >= kRegionCount) return 0;
  return kRegionCounts[region];
}

void ResetNationRecords() {
  TeamTable.fill(TeamRecord{});
  for (auto& name : NationNames) name.fill(0);
}

namespace {
const bool kNationRecordsRegistered = RegisterRecordReset(ResetNationRecords);
}  // namespace
