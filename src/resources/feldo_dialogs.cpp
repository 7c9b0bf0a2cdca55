// The dialog templates of the game program: the start-up and phase menus, the region, nation,
// opponent, level and sound choices, the messages after a match and the display screens.
#include "resources/feldo_dialogs.h"

#include "resources/dialog_names.h"
#include "resources/feldo_commands.h"

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DialogFrame;
using platform::DialogTemplate;
using platform::TranslateLater;

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
    {"", TranslateLater("■ 試合中")},
    {TranslateLater("↑ ↓ ← →  (8 2 4 6)"), TranslateLater("選手を走らせる  (キーを離すと止まる)")},
    {"S  (*  :)", TranslateLater("向いている方へパス")},
    {"W  (9)", TranslateLater("画面の上へ斜めにパス")},
    {"X  (3)", TranslateLater("画面の下へ斜めにパス")},
    {"A  (/  ?)", TranslateLater("向いている方へシュート  (浮き球はヘディング)")},
    {"Q  (7)", TranslateLater("画面の上へ斜めにシュート")},
    {"Z  (1)", TranslateLater("画面の下へ斜めにシュート")},
    {"P", TranslateLater("センタリング")},
    {"Space  (0)", TranslateLater("押して離すとセンタリング  (長く押すと高く)")},
    {TranslateLater("Shift を押したまま"), TranslateLater("パスとシュートを浮かせる")},
    {"", TranslateLater("■ P K 戦")},
    {"A / Q (W) / Z", TranslateLater("キッカーが蹴る  (正面 / 上 / 下)")},
    {TranslateLater("↑ ↓"), TranslateLater("キーパーが上か下へ跳ぶ")},
    {"", TranslateLater("■ そのほか")},
    {"F10", TranslateLater("メニューバー  (GAME → Pause で一時停止)")},
    {"F11", TranslateLater("全画面表示の切り替え")},
    {"F12", TranslateLater("画面を保存")},
    {"Esc", TranslateLater("ダイアログを閉じる")},
};

constexpr int kKeyHelpKeysX = 12;
constexpr int kKeyHelpWhatX = 110;
constexpr int kKeyHelpWidth = 300;
constexpr int kKeyHelpLineStep = 11;

DialogTemplate KeyHelpDialog() {
  DialogTemplate help{DialogName::kKeyHelpDlg,
                      DialogFrame::Popup,
                      TranslateLater("キー操作  (F1)"),
                      kKeyHelpWidth,
                      0,
                      {}};
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
  static constexpr std::string_view kLabels[] = {
      TranslateLater("LEVEL S(スーパー級)"), TranslateLater("LEVEL 1(上級)"),
      TranslateLater("LEVEL 2(中級)"), TranslateLater("LEVEL 3(初級)")};
  return kLabels[level >= 0 && level < 4 ? level : 3];
}

std::vector<DialogTemplate> FeldoDialogTemplates() {
  using namespace DialogItem;
  std::vector<DialogTemplate> dialogs;

  dialogs.push_back(DialogTemplate{
      DialogName::kSinkiBox,
      DialogFrame::Frameless,
      "",
      180,
      150,
      {DefaultButton(kNewGame, TranslateLater("新しくゲームを始める"), 24, 22, 130, 14),
       Button(kLoadGame, TranslateLater("ロードしてゲームを始める"), 24, 42, 130, 14),
       Button(kSoundSwitch, TranslateLater("サウンド切り替え  "), 24, 62, 130, 14),
       Button(kChangeLevel, TranslateLater("対戦相手の強さを変更する  "), 24, 82, 130, 14),
       Button(kExit, TranslateLater("ゲームを終了する  "), 24, 102, 130, 14)}});

  dialogs.push_back(PhaseMenu(DialogName::kSinkiBox3, TranslateLater("地区予選メニュー"), 175,
                              {{kPlayRound, TranslateLater("ワールドカップ地区予選を戦う")},
                               {kFriendly, TranslateLater("親善試合を行う")},
                               {kPractice, TranslateLater("練習試合を行う")},
                               {kStandings, TranslateLater("順位を見る")},
                               {kSoundSwitch, TranslateLater("サウンド切り替え  ")},
                               {CommandId::kSaveCampaign, TranslateLater("ゲームをセーブする ")},
                               {kExit, TranslateLater("ゲームを終了する  ")}}));
  dialogs.push_back(PhaseMenu(DialogName::kSinkiBox4, TranslateLater("グループリーグメニュー"), 140,
                              {{kPlayRound, TranslateLater("ワールドカップ グループリーグを戦う")},
                               {kStandings, TranslateLater("順位を見る")},
                               {kSoundSwitch, TranslateLater("サウンド切り替え  ")},
                               {CommandId::kSaveCampaign, TranslateLater("ゲームをセーブする ")},
                               {kExit, TranslateLater("ゲームを終了する  ")}}));
  dialogs.push_back(
      PhaseMenu(DialogName::kSinkiBox5, TranslateLater("決勝トーナメントメニュー"), 140,
                {{kPlayRound, TranslateLater("ワールドカップ 決勝トーナメントを戦う")},
                 {kStandings, TranslateLater("対戦表を見る")},
                 {kSoundSwitch, TranslateLater("サウンド切り替え  ")},
                 {CommandId::kSaveCampaign, TranslateLater("ゲームをセーブする ")},
                 {kExit, TranslateLater("ゲームを終了する  ")}}));

  dialogs.push_back(
      DialogTemplate{DialogName::kSelChikuDlg,
                     DialogFrame::Popup,
                     TranslateLater("プレイする地区と代表選択"),
                     280,
                     180,
                     {DefaultButton(kOk, " OK ", 120, 164, 32, 12),
                      Button(207, TranslateLater("ヨーロッパ"), 10, 14, 80, 14),
                      Button(209, TranslateLater("北中米カリブ"), 190, 24, 80, 14),
                      Button(208, TranslateLater("南米"), 190, 84, 80, 14),
                      Button(210, TranslateLater("アフリカ"), 10, 84, 80, 14),
                      Button(206, TranslateLater("アジア"), 100, 54, 80, 14),
                      ControlTemplate{ControlKind::Edit, kInfoLine, "", 40, 144, 210, 12, 0}}});

  dialogs.push_back(DialogTemplate{DialogName::kSelTeamDlg, DialogFrame::Popup,
                                   TranslateLater("プレイする国を選択"), 160, 110,
                                   NationListControls()});
  dialogs.push_back(DialogTemplate{DialogName::kSelTestMatchDlg, DialogFrame::Popup,
                                   TranslateLater("親善試合の対戦国を選択"), 160, 110,
                                   NationListControls()});
  dialogs.push_back(DialogTemplate{
      DialogName::kSelTestMatch2Dlg,
      DialogFrame::Popup,
      TranslateLater("練習試合を行う"),
      180,
      80,
      {ControlTemplate{ControlKind::Static, 0,
                       TranslateLater("ユース選抜チームと練習試合を行います"), 10, 20, 170, 8, 0},
       DefaultButton(kOk, "OK", 24, 60, 42, 10), Button(kCancel, "CANCEL", 114, 60, 42, 10)}});

  dialogs.push_back(DialogTemplate{
      DialogName::kSetLevelDlg,
      DialogFrame::Popup,
      TranslateLater("レベル設定"),
      150,
      100,
      {Radio(kLevelFirst, LevelLabel(0), 30, 4, 88, 8),
       Radio(kLevelFirst + 1, LevelLabel(1), 30, 24, 80, 8),
       Radio(kLevelFirst + 2, LevelLabel(2), 30, 44, 80, 8),
       Radio(kLevelFirst + 3, LevelLabel(3), 30, 64, 80, 8),
       DefaultButton(kOk, "Ok", 24, 82, 32, 14), Button(kCancel, "Cancel", 94, 82, 32, 14)}});

  dialogs.push_back(DialogTemplate{DialogName::kSetSoundDlg,
                                   DialogFrame::Popup,
                                   TranslateLater("サウンド設定"),
                                   100,
                                   50,
                                   {Radio(kSoundOn, TranslateLater("  サウンド ON"), 4, 4, 80, 8),
                                    DefaultButton(kOk, "Ok", 30, 30, 32, 14)}});

  dialogs.push_back(DialogTemplate{
      DialogName::kMessBox1,
      DialogFrame::Frameless,
      "",
      160,
      80,
      {ControlTemplate{ControlKind::StaticCentred, 0, TranslateLater("最初のメニューを開きます"), 0,
                       22, 160, 8, 0},
       Button(kOk, " OK ", 30, 50, 32, 12), DefaultButton(kCancel, "Cancel", 90, 50, 32, 12)}});

  dialogs.push_back(KeyHelpDialog());

  dialogs.push_back(
      MessageDialog(DialogName::kMessBox2, DialogFrame::Frameless, "", 180, 80, 70, 50));
  dialogs.push_back(MessageDialog(DialogName::kMessBox3, DialogFrame::Popup,
                                  TranslateLater("ワールドカップ 決勝トーナメント"), 200, 120, 80,
                                  70));
  dialogs.push_back(MessageDialog(DialogName::kMessKanki1, DialogFrame::Popup,
                                  TranslateLater("予選突破! いざワールドカップへ"), 240, 160, 100,
                                  130));
  dialogs.push_back(MessageDialog(DialogName::kMessKanki2, DialogFrame::Popup,
                                  TranslateLater("ワールドカップ優勝!  喜びのイレブン"), 240, 180,
                                  100, 160));

  // 20 units taller than it once was, the OK button with it: Europe's seven rounds reach down
  // to 215 units and would run under the button.
  dialogs.push_back(DisplayDialog(DialogName::kDispSchedule1Dlg,
                                  TranslateLater("地区予選対戦スケジュール"), 430, 240, "OK", 194,
                                  222, 42, 10));
  dialogs.push_back(DisplayDialog(DialogName::kDispSchedule2Dlg,
                                  TranslateLater("グループリーグ対戦スケジュール"), 430, 190, "OK",
                                  174, 170, 42, 10));
  dialogs.push_back(DisplayDialog(DialogName::kDispRoundEndDlg1, TranslateLater("地区予選対戦結果"),
                                  280, 190, "OK", 124, 150, 42, 10));
  dialogs.push_back(DisplayDialog(DialogName::kDispRoundEndDlg2,
                                  TranslateLater("ワールドカップグループリーグ対戦結果"), 280, 190,
                                  "OK", 124, 150, 42, 10));
  dialogs.push_back(DisplayDialog(DialogName::kDispTaisenDlg1, TranslateLater("地区予選対戦表"),
                                  300, 190, "OK", 134, 150, 42, 10));
  dialogs.push_back(DisplayDialog(DialogName::kDispTaisenDlg2,
                                  TranslateLater("グループリーグ対戦表"), 300, 190, "OK", 134, 150,
                                  42, 10));
  dialogs.push_back(DisplayDialog(DialogName::kDispGroupLeag,
                                  TranslateLater("グループリーグ組み分け"), 280, 190, "OK", 124,
                                  150, 42, 10));
  dialogs.push_back(DisplayDialog(DialogName::kDispTounament,
                                  TranslateLater("決勝トーナメント対戦"), 300, 190, "OK", 124, 150,
                                  42, 10));
  dialogs.push_back(DisplayDialog(DialogName::kPlayoffMsg1, TranslateLater("地区予選プレイオフ"),
                                  200, 120, " OK ", 80, 70, 32, 12));
  dialogs.push_back(DisplayDialog(DialogName::kPlayoffMsg2,
                                  TranslateLater("グループリーグ プレイオフ"), 200, 120, " OK ", 80,
                                  70, 32, 12));
  return dialogs;
}
