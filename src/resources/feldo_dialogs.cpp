// The dialog templates of the game program: the start-up and phase menus, the region, nation,
// opponent, level and sound choices, the messages after a match and the display screens.
#include "resources/feldo_dialogs.h"

#include "resources/dialog_names.h"
#include "resources/feldo_commands.h"

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DialogFrame;
using platform::DialogTemplate;

namespace {

using Controls = std::vector<ControlTemplate>;

ControlTemplate Button(int id, std::string_view text, int x, int y, int w, int h) {
  return ControlTemplate{ControlKind::PushButton, id, text, x, y, w, h, 0};
}
ControlTemplate DefaultButton(int id, std::string_view text, int x, int y, int w, int h) {
  return ControlTemplate{ControlKind::DefPushButton, id, text, x, y, w, h, 0};
}
ControlTemplate Radio(int id, std::string_view text, int x, int y, int w, int h) {
  return ControlTemplate{ControlKind::RadioButton, id, text, x, y, w, h, 0};
}

// The list box and the OK and CANCEL buttons of the nation and opponent lists.
Controls NationListControls() {
  return {ControlTemplate{ControlKind::ListBox, DialogItem::kNationList, "", 10, 10, 130, 70,
                          platform::control_flags::kVScroll | platform::control_flags::kNotify},
          DefaultButton(DialogItem::kOk, "OK", 24, 88, 42, 10),
          Button(DialogItem::kCancel, "CANCEL", 104, 88, 42, 10)};
}

// A phase menu: buttons 150 × 14 at x 35 from y 22 in steps of 20.
DialogTemplate PhaseMenu(std::string_view name, std::string_view title, int height,
                         std::vector<std::pair<int, std::string_view>> buttons) {
  DialogTemplate menu{name, DialogFrame::Popup, title, 220, height, {}};
  int y = 22;
  for (const auto& [id, text] : buttons) {
    menu.controls.push_back(Button(id, text, 35, y, 150, 14));
    y += 20;
  }
  return menu;
}

// A display screen: its body is painted by the menu dialog procedure, one OK button below.
DialogTemplate DisplayDialog(std::string_view name, std::string_view title, int width, int height,
                             std::string_view okText, int okX, int okY, int okW, int okH) {
  return DialogTemplate{name,   DialogFrame::Popup,
                        title,  width,
                        height, {DefaultButton(DialogItem::kOk, okText, okX, okY, okW, okH)}};
}

DialogTemplate MessageDialog(std::string_view name, DialogFrame frame, std::string_view title,
                             int width, int height, int okX, int okY) {
  return DialogTemplate{name,  frame,  title,
                        width, height, {DefaultButton(DialogItem::kOk, " OK ", okX, okY, 32, 12)}};
}

// The key help: the keys as the keyboard names them, and what they do. A line without keys is
// the heading of the lines under it.
struct KeyHelpLine {
  std::string_view keys;
  std::string_view what;
};
constexpr KeyHelpLine kKeyHelpLines[] = {
    {"", "■ 試合中"},
    {"↑ ↓ ← →  (8 2 4 6)", "選手を走らせる  (キーを離すと止まる)"},
    {"S  (*  :)", "向いている方へパス"},
    {"W  (9)", "画面の上へ斜めにパス"},
    {"X  (3)", "画面の下へ斜めにパス"},
    {"A  (/  ?)", "向いている方へシュート  (浮き球はヘディング)"},
    {"Q  (7)", "画面の上へ斜めにシュート"},
    {"Z  (1)", "画面の下へ斜めにシュート"},
    {"P", "センタリング"},
    {"Space  (0)", "押して離すとセンタリング  (長く押すと高く)"},
    {"Shift を押したまま", "パスとシュートを浮かせる"},
    {"", "■ P K 戦"},
    {"A / Q (W) / Z", "キッカーが蹴る  (正面 / 上 / 下)"},
    {"↑ ↓", "キーパーが上か下へ跳ぶ"},
    {"", "■ そのほか"},
    {"F10", "メニューバー  (GAME → Pause で一時停止)"},
    {"F11", "全画面表示の切り替え"},
    {"F12", "画面を保存"},
    {"Esc", "ダイアログを閉じる"},
};

constexpr int kKeyHelpKeysX = 12;
constexpr int kKeyHelpWhatX = 110;
constexpr int kKeyHelpWidth = 300;
constexpr int kKeyHelpLineStep = 11;

DialogTemplate KeyHelpDialog() {
  DialogTemplate help{
      DialogName::kKeyHelpDlg, DialogFrame::Popup, "キー操作  (F1)", kKeyHelpWidth, 0, {}};
  int y = 8;
  for (const KeyHelpLine& line : kKeyHelpLines) {
    if (line.keys.empty()) {
      if (y > 8) y += 4;
      help.controls.push_back(ControlTemplate{ControlKind::Static, 0, line.what, kKeyHelpKeysX - 6,
                                              y, kKeyHelpWidth - 2 * kKeyHelpKeysX, 8, 0});
    } else {
      help.controls.push_back(ControlTemplate{ControlKind::Static, 0, line.keys, kKeyHelpKeysX, y,
                                              kKeyHelpWhatX - kKeyHelpKeysX - 4, 8, 0});
      help.controls.push_back(ControlTemplate{ControlKind::Static, 0, line.what, kKeyHelpWhatX, y,
                                              kKeyHelpWidth - kKeyHelpWhatX - 6, 8, 0});
    }
    y += kKeyHelpLineStep;
  }
  help.controls.push_back(
      DefaultButton(DialogItem::kOk, " OK ", (kKeyHelpWidth - 32) / 2, y + 6, 32, 12));
  help.height = y + 6 + 12 + 8;
  return help;
}

}  // namespace

std::string_view LevelLabel(int level) {
  static constexpr std::string_view kLabels[] = {"LEVEL S(スーパー級)", "LEVEL 1(上級)",
                                                 "LEVEL 2(中級)", "LEVEL 3(初級)"};
  return kLabels[level >= 0 && level < 4 ? level : 3];
}

std::vector<DialogTemplate> FeldoDialogTemplates() {
  using namespace DialogItem;
  std::vector<DialogTemplate> dialogs;

  dialogs.push_back(
      DialogTemplate{DialogName::kSinkiBox,
                     DialogFrame::Frameless,
                     "",
                     180,
                     150,
                     {DefaultButton(kNewGame, "新しくゲームを始める", 24, 22, 130, 14),
                      Button(kLoadGame, "ロードしてゲームを始める", 24, 42, 130, 14),
                      Button(kSoundSwitch, "サウンド切り替え  ", 24, 62, 130, 14),
                      Button(kChangeLevel, "対戦相手の強さを変更する  ", 24, 82, 130, 14),
                      Button(kExit, "ゲームを終了する  ", 24, 102, 130, 14)}});

  dialogs.push_back(PhaseMenu(DialogName::kSinkiBox3, "地区予選メニュー", 175,
                              {{kPlayRound, "ワールドカップ地区予選を戦う"},
                               {kFriendly, "親善試合を行う"},
                               {kPractice, "練習試合を行う"},
                               {kStandings, "順位を見る"},
                               {kSoundSwitch, "サウンド切り替え  "},
                               {CommandId::kSaveCampaign, "ゲームをセーブする "},
                               {kExit, "ゲームを終了する  "}}));
  dialogs.push_back(PhaseMenu(DialogName::kSinkiBox4, "グループリーグメニュー", 140,
                              {{kPlayRound, "ワールドカップ グループリーグを戦う"},
                               {kStandings, "順位を見る"},
                               {kSoundSwitch, "サウンド切り替え  "},
                               {CommandId::kSaveCampaign, "ゲームをセーブする "},
                               {kExit, "ゲームを終了する  "}}));
  dialogs.push_back(PhaseMenu(DialogName::kSinkiBox5, "決勝トーナメントメニュー", 140,
                              {{kPlayRound, "ワールドカップ 決勝トーナメントを戦う"},
                               {kStandings, "対戦表を見る"},
                               {kSoundSwitch, "サウンド切り替え  "},
                               {CommandId::kSaveCampaign, "ゲームをセーブする "},
                               {kExit, "ゲームを終了する  "}}));

  dialogs.push_back(DialogTemplate{
      DialogName::kSelChikuDlg,
      DialogFrame::Popup,
      "プレイする地区と代表選択",
      280,
      180,
      {DefaultButton(kOk, " OK ", 120, 164, 32, 12), Button(207, "ヨーロッパ", 10, 14, 80, 14),
       Button(209, "北中米カリブ", 190, 24, 80, 14), Button(208, "南米", 190, 84, 80, 14),
       Button(210, "アフリカ", 10, 84, 80, 14), Button(206, "アジア", 100, 54, 80, 14),
       ControlTemplate{ControlKind::Edit, kInfoLine, "", 40, 144, 210, 12, 0}}});

  dialogs.push_back(DialogTemplate{DialogName::kSelTeamDlg, DialogFrame::Popup,
                                   "プレイする国を選択", 160, 110, NationListControls()});
  dialogs.push_back(DialogTemplate{DialogName::kSelTestMatchDlg, DialogFrame::Popup,
                                   "親善試合の対戦国を選択", 160, 110, NationListControls()});
  dialogs.push_back(DialogTemplate{
      DialogName::kSelTestMatch2Dlg,
      DialogFrame::Popup,
      "練習試合を行う",
      180,
      80,
      {ControlTemplate{ControlKind::Static, 0, "ユース選抜チームと練習試合を行います", 10, 20, 170,
                       8, 0},
       DefaultButton(kOk, "OK", 24, 60, 42, 10), Button(kCancel, "CANCEL", 114, 60, 42, 10)}});

  dialogs.push_back(DialogTemplate{
      DialogName::kSetLevelDlg,
      DialogFrame::Popup,
      "レベル設定",
      150,
      100,
      {Radio(kLevelFirst, LevelLabel(0), 30, 4, 88, 8),
       Radio(kLevelFirst + 1, LevelLabel(1), 30, 24, 80, 8),
       Radio(kLevelFirst + 2, LevelLabel(2), 30, 44, 80, 8),
       Radio(kLevelFirst + 3, LevelLabel(3), 30, 64, 80, 8),
       DefaultButton(kOk, "Ok", 24, 82, 32, 14), Button(kCancel, "Cancel", 94, 82, 32, 14)}});

  dialogs.push_back(DialogTemplate{
      DialogName::kSetSoundDlg,
      DialogFrame::Popup,
      "サウンド設定",
      100,
      50,
      {Radio(kSoundOn, "  サウンド ON", 4, 4, 80, 8), DefaultButton(kOk, "Ok", 30, 30, 32, 14)}});

  dialogs.push_back(DialogTemplate{
      DialogName::kMessBox1,
      DialogFrame::Frameless,
      "",
      160,
      80,
      {ControlTemplate{ControlKind::StaticCentred, 0, "最初のメニューを開きます", 0, 22, 160, 8, 0},
       Button(kOk, " OK ", 30, 50, 32, 12), DefaultButton(kCancel, "Cancel", 90, 50, 32, 12)}});

  dialogs.push_back(KeyHelpDialog());

  dialogs.push_back(
      MessageDialog(DialogName::kMessBox2, DialogFrame::Frameless, "", 180, 80, 70, 50));
  dialogs.push_back(MessageDialog(DialogName::kMessBox3, DialogFrame::Popup,
                                  "ワールドカップ 決勝トーナメント", 200, 120, 80, 70));
  dialogs.push_back(MessageDialog(DialogName::kMessKanki1, DialogFrame::Popup,
                                  "予選突破! いざワールドカップへ", 240, 160, 100, 130));
  dialogs.push_back(MessageDialog(DialogName::kMessKanki2, DialogFrame::Popup,
                                  "ワールドカップ優勝!  喜びのイレブン", 240, 180, 100, 160));

  // 20 units taller than it once was, the OK button with it: Europe's seven rounds reach down
  // to 215 units and would run under the button.
  dialogs.push_back(DisplayDialog(DialogName::kDispSchedule1Dlg, "地区予選対戦スケジュール", 430,
                                  240, "OK", 194, 222, 42, 10));
  dialogs.push_back(DisplayDialog(DialogName::kDispSchedule2Dlg, "グループリーグ対戦スケジュール",
                                  430, 190, "OK", 174, 170, 42, 10));
  dialogs.push_back(DisplayDialog(DialogName::kDispRoundEndDlg1, "地区予選対戦結果", 280, 190, "OK",
                                  124, 150, 42, 10));
  dialogs.push_back(DisplayDialog(DialogName::kDispRoundEndDlg2,
                                  "ワールドカップグループリーグ対戦結果", 280, 190, "OK", 124, 150,
                                  42, 10));
  dialogs.push_back(DisplayDialog(DialogName::kDispTaisenDlg1, "地区予選対戦表", 300, 190, "OK",
                                  134, 150, 42, 10));
  dialogs.push_back(DisplayDialog(DialogName::kDispTaisenDlg2, "グループリーグ対戦表", 300, 190,
                                  "OK", 134, 150, 42, 10));
  dialogs.push_back(DisplayDialog(DialogName::kDispGroupLeag, "グループリーグ組み分け", 280, 190,
                                  "OK", 124, 150, 42, 10));
  dialogs.push_back(DisplayDialog(DialogName::kDispTounament, "決勝トーナメント対戦", 300, 190,
                                  "OK", 124, 150, 42, 10));
  dialogs.push_back(DisplayDialog(DialogName::kPlayoffMsg1, "地区予選プレイオフ", 200, 120, " OK ",
                                  80, 70, 32, 12));
  dialogs.push_back(DisplayDialog(DialogName::kPlayoffMsg2, "グループリーグ プレイオフ", 200, 120,
                                  " OK ", 80, 70, 32, 12));
  return dialogs;
}
