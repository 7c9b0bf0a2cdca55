// The nation database: the 31 national teams and the youth selection, the five regions, the
// names and codes, and TeamTable with each nation's ratings, kits and league record.
//
// A nation is named by its index (0 to 30, 31 the youth selection). Tables that can hold an
// empty place store the nation number instead: index + 1, 0 for none (32 is the youth
// selection). Regions: 0 Asia (nations 0-5), 1 Europe (6-13), 2 South America (14-19),
// 3 North/Central America and Caribbean (20-24), 4 Africa (25-30).
#pragma once

#include <array>
#include <cstdint>
#include <string>

inline constexpr int kNationCount = 31;     // playing nations, indices 0 to 30
inline constexpr int kYouthSelection = 31;  // index of the youth selection
inline constexpr int kTeamTableSize = 32;
inline constexpr int kRegionCount = 5;
inline constexpr int kNationNameBytes = 30;

// One nation's record: 98 unsigned bytes in this order (the saved campaign writes them so).
struct TeamRecord {
  std::uint8_t reserved0;
  std::uint8_t region;
  std::uint8_t reserved2;
  std::uint8_t results[31];       // vs nation j: 0 not played, 1 won, 2 lost, 3 drawn
  std::uint8_t spareResults[31];  // cleared with results; nothing else uses them
  std::uint8_t goalsFor;          // in the current league (wraps at 256)
  std::uint8_t goalsAgainst;
  std::uint8_t ratings[5];         // carried and saved, not read by play
  std::uint8_t playerCountsA[11];  // carried and saved, not read by play
  std::uint8_t playerCountsB[11];
  std::uint8_t strength;            // World Cup rating 1-6 (youth 0)
  std::uint8_t qualifyingStrength;  // class 0-4 (youth 0)
  std::uint8_t firstKit;            // kit codes 1-27
  std::uint8_t secondKit;
};
static_assert(sizeof(TeamRecord) == 98, "TeamRecord is 98 bytes in declared order");

extern std::array<TeamRecord, kTeamTableSize> TeamTable;
// Zero-terminated UTF-8 names by nation index, in Japanese (the saved campaign's own and the
// message catalogue's source); the screens read them from here and show them through
// platform::Translate.
extern std::array<std::array<char, kNationNameBytes>, kTeamTableSize> NationNames;

void InitTeamDatabase();
void FillNationNames();
// Write the name in the interface's language into `out` and return its length in display cells
// (platform::DisplayCells: the byte count of the name in the game's original two-byte text); 0 (and
// `out` untouched) when the index is out of range. NationName covers 0 to 30 only.
int RegionName(std::string* out, int region);
int NationName(std::string* out, int nation);
// Makes `out` empty, then writes the three-letter code (0 to 31).
void NationCode(std::string* out, int nation);
// The first nation index of a region and its nation count.
int RegionFirstNation(int region);
int RegionNationCount(int region);

void ResetNationRecords();
