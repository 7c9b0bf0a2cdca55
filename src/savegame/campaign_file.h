// The saved campaign "VEXOSOC.$$$": one file of exactly 3984 bytes holding where the user is
// in the game (GameFlowState), the fixtures, results and standings of the competition, the
// state of a penalty shoot-out and the whole TeamTable. Byte fields are the low 8 bits of
// their value; 16-bit fields are stored low byte first and read back as signed 16-bit values.
// docs/savegame.md lists every field at its offset.
//
// Saving never destroys the only good copy: the file is written whole under a temporary name
// in the same folder, flushed to the disk and then renamed over the old file.
//
// Loading reads the whole file and checks every field before it touches a record: a file of
// another size, or one with an index, a count or a nation number out of its range, leaves
// every record exactly as it was. Only a file that passes replaces the saved records, all at
// once. The records not held in the file (the mode, the sound switch, the dialog selectors,
// the match on the pitch, the last standings entry) are left as they are.
#pragma once

#include <string>
#include <string_view>

inline constexpr char kCampaignFileName[] = "VEXOSOC.$$$";
inline constexpr int kCampaignFileBytes = 3984;

// The name the save writes before it renames: the file name with ".tmp" appended.
std::string CampaignTempName(std::string_view fileName);

// Writes the campaign to `fileName`. fileErrorCode: 0 success; -1 the temporary file could
// not be created or could not be renamed over the old one; 2 a write came up short or the
// disk refused to flush it. On failure the temporary file is removed and an old file of that
// name is untouched. A temporary file left behind by an earlier save is replaced.
bool SaveCampaign(std::string_view fileName);

// Reads the campaign from `fileName`. fileErrorCode: 0 success; -1 the file could not be
// opened; 2 the file is not 3984 bytes long or a field is out of its range (the records are
// then unchanged). The caller runs FillNationNames and resumes the campaign.
bool LoadCampaign(std::string_view fileName);

// What the game shows when a save or a load failed: a warning box with this text and caption.
struct FileFailureMessage {
  const char* text;
  const char* caption;
};

// A failed save, by fileErrorCode: "サッカー" with the caption "Coud not open MOT file" for -1,
// "Write DATA Error" for any other code.
FileFailureMessage SaveFailureMessage(int errorCode);
// A failed load, by fileErrorCode, with the caption "サッカー": "セーブデータがありません" when
// there is no file (-1), "セーブデータを読み込めませんでした" for a file that is damaged or of
// the wrong size (any other code).
FileFailureMessage LoadFailureMessage(int errorCode);
