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
// another size, one with an index, a count or a nation number out of its range, or one whose
// fields disagree with each other (a round past the league's rounds, a league that is not the
// one of the phase, a stage the tables do not reach), leaves every record exactly as it was.
// Only a file that passes replaces the saved records, all at once, and every file that passes
// is a campaign the game can play on and save again. The records not held in the file (the
// mode, the sound switch, the dialog selectors, the match on the pitch, the last standings
// entry) are left as they are.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr char kCampaignFileName[] = "VEXOSOC.$$$";
inline constexpr int kCampaignFileBytes = 3984;

using CampaignBytes = std::array<std::uint8_t, kCampaignFileBytes>;

// The name the save writes before it renames (see TemporaryFileName in replace_file.h).
std::string CampaignTempName(std::string_view fileName);

// The records the file holds, laid out as its 3984 bytes.
CampaignBytes CampaignImage();

// Writes the campaign to `fileName`. fileErrorCode: 0 success; -1 the temporary file could
// not be created or could not be renamed over the old one; 2 a write came up short or the
// disk refused to flush it; 3 another game kept the folder busy with a save of its own. On
// failure the temporary file is removed and an old file of that name is untouched. Temporary
// files left behind by saves that never finished are removed.
bool SaveCampaign(std::string_view fileName);

// Takes `size` bytes as the content of a campaign file: when they pass every check they
// replace the saved records (fileErrorCode 0), otherwise nothing changes (fileErrorCode 2).
bool LoadCampaignImage(const std::uint8_t* bytes, std::size_t size);

// Reads the campaign from `fileName`. fileErrorCode: 0 success; -1 the file could not be
// opened; 2 the file is not 3984 bytes long, a field is out of its range or disagrees with the
// others, or the name stands for no regular file (the records are then unchanged). The caller
// runs FillNationNames and resumes the campaign.
bool LoadCampaign(std::string_view fileName);

// What the game shows when a save or a load failed: a warning box with this text and caption
// (in Japanese, shown through platform::Translate).
struct FileFailureMessage {
  const char* text;
  const char* caption;
};

// A failed save, by fileErrorCode: "サッカー" with the caption "Coud not open MOT file" for -1,
// "ほかのゲームがセーブ中です。" and "少し待ってからセーブし直してください" on two lines with the
// caption "サッカー" for 3 (another game is saving), "Write DATA Error" for any other code.
FileFailureMessage SaveFailureMessage(int errorCode);
// A failed load, by fileErrorCode, with the caption "サッカー": "セーブデータがありません" when
// there is no file (-1), "セーブデータを読み込めませんでした" for a file that is damaged or of
// the wrong size (any other code).
FileFailureMessage LoadFailureMessage(int errorCode);
