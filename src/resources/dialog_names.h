// The names of the game program's dialog templates (resources/feldo_dialogs.cpp), by which the
// shell opens them. A name misspelt here would not compile anywhere else; the templates
// themselves are registered under these same names. The launcher has no dialogs.
#pragma once

#include <string_view>

namespace DialogName {
// The start-up menu and the menus of the three campaign phases.
inline constexpr std::string_view kSinkiBox = "SinkiBox";
inline constexpr std::string_view kSinkiBox3 = "SinkiBox3";  // the qualifying menu
inline constexpr std::string_view kSinkiBox4 = "SinkiBox4";  // the group-league menu
inline constexpr std::string_view kSinkiBox5 = "SinkiBox5";  // the knockout menu
// The choices: region and nation, the nation list, the friendly opponent, the practice match,
// the level and the sound switch.
inline constexpr std::string_view kSelChikuDlg = "SelChikuDlg";
inline constexpr std::string_view kSelTeamDlg = "SelTeamDlg";
inline constexpr std::string_view kSelTestMatchDlg = "SelTestMatchDlg";
inline constexpr std::string_view kSelTestMatch2Dlg = "SelTestMatch2Dlg";
inline constexpr std::string_view kSetLevelDlg = "SetLevelDlg";
inline constexpr std::string_view kSetSoundDlg = "SetSoundDlg";
// The question before the first menu.
inline constexpr std::string_view kMessBox1 = "MessBox1";
// The key help.
inline constexpr std::string_view kKeyHelpDlg = "KeyHelpDlg";
// The messages: after a match, after a knockout win, the two celebrations.
inline constexpr std::string_view kMessBox2 = "MessBox2";
inline constexpr std::string_view kMessBox3 = "MessBox3";
inline constexpr std::string_view kMessKanki1 = "MessKanki1";
inline constexpr std::string_view kMessKanki2 = "MessKanki2";
// The display screens: schedules, round results, pairings tables, the group draw, the bracket
// and the play-off announcements of the qualifying and the group league.
inline constexpr std::string_view kDispSchedule1Dlg = "DispSchedule1Dlg";
inline constexpr std::string_view kDispSchedule2Dlg = "DispSchedule2Dlg";
inline constexpr std::string_view kDispRoundEndDlg1 = "DispRoundEndDlg1";
inline constexpr std::string_view kDispRoundEndDlg2 = "DispRoundEndDlg2";
inline constexpr std::string_view kDispTaisenDlg1 = "DispTaisenDlg1";
inline constexpr std::string_view kDispTaisenDlg2 = "DispTaisenDlg2";
inline constexpr std::string_view kDispGroupLeag = "DispGroupLeag";
inline constexpr std::string_view kDispTounament = "DispTounament";
inline constexpr std::string_view kPlayoffMsg1 = "PlayoffMsg1";
inline constexpr std::string_view kPlayoffMsg2 = "PlayoffMsg2";
}  // namespace DialogName
