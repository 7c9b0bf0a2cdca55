// The identifiers of the commands of the game program: the ids that its menus and dialog
// buttons carry and that the main window handles (see shell/game_flow.h).
#pragma once

namespace CommandId {
inline constexpr int kStartupMenu = 1;
inline constexpr int kLoadCampaign = 2;
inline constexpr int kSaveCampaign = 3;
inline constexpr int kPause = 5;
inline constexpr int kBackToFirstMenu = 6;
inline constexpr int kSoundOn = 7;
inline constexpr int kSoundOff = 8;
inline constexpr int kExit = 13;
inline constexpr int kCampaignMode = 14;
inline constexpr int kResetMatch = 15;
inline constexpr int kStartMatch = 17;
inline constexpr int kStartTimer = 18;
inline constexpr int kEndOfMatch = 19;
inline constexpr int kLevelS = 25;
inline constexpr int kLevel1 = 26;
inline constexpr int kLevel2 = 27;
inline constexpr int kLevel3 = 28;
inline constexpr int kRetitleForLevel = 29;
inline constexpr int kNewCampaign = 204;
inline constexpr int kChooseRegion = 205;
inline constexpr int kNationListFirst = 211;  // 211 to 215: region 0 to 4
inline constexpr int kQualifyingSchedule = 219;
inline constexpr int kGroupSchedule = 220;
inline constexpr int kReopenStartupMenu = 228;
inline constexpr int kPhaseMenu = 229;
inline constexpr int kRoundResults = 231;
inline constexpr int kStandings = 232;
inline constexpr int kOtherRegions = 233;
inline constexpr int kGroupDraw = 234;
inline constexpr int kOtherGroups = 235;
inline constexpr int kBracket = 236;
inline constexpr int kKnockoutResults = 237;
inline constexpr int kFriendly = 238;
inline constexpr int kShootOut = 239;
inline constexpr int kPractice = 240;
inline constexpr int kLevelDialog = 241;
inline constexpr int kSoundDialog = 247;
inline constexpr int kSmoothMotion = 248;  // the GAME menu's switch of smooth motion
inline constexpr int kLanguage = 249;      // the GAME menu's switch between Japanese and English
inline constexpr int kKeyHelp = 250;       // the key help (F1, or the GAME menu)
inline constexpr int kLast = 250;
}  // namespace CommandId
