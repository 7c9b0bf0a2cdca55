// The game program's menus, strings and icons.
#include "resources/feldo_resources.h"

#include <cmath>
#include <cstdint>

#include "resources/feldo_commands.h"
#include "resources/feldo_dialogs.h"

using platform::MenuItemTemplate;
using platform::MenuTemplate;
using platform::PopupTemplate;
using platform::TranslateLater;

namespace {

// GAME: Pause (or Continue), Menu, smooth motion (checked while on), the language switch (named
// in both languages, so that either reader finds it), the key help, Exit; SOUND: Sound On,
// Sound Off.
MenuTemplate GameMenu(std::string_view name, std::string_view pauseText, bool pauseGreyed) {
  return MenuTemplate{
      name,
      {PopupTemplate{
           "GAME",
           {MenuItemTemplate{pauseText, CommandId::kPause, pauseGreyed},
            MenuItemTemplate{"Menu", CommandId::kBackToFirstMenu, false},
            MenuItemTemplate{TranslateLater("なめらか表示"), CommandId::kSmoothMotion, false},
            MenuItemTemplate{TranslateLater("日本語 / English"), CommandId::kLanguage, false},
            MenuItemTemplate{TranslateLater("キー操作 (F1)"), CommandId::kKeyHelp, false},
            MenuItemTemplate{"Exit", CommandId::kExit, false}}},
       PopupTemplate{"SOUND",
                     {MenuItemTemplate{"Sound On", CommandId::kSoundOn, false},
                      MenuItemTemplate{"Sound Off", CommandId::kSoundOff, false}}}}};
}

std::uint32_t Argb(int r, int g, int b) {
  return 0xFF000000u | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(b);
}

platform::ResourceTable BuildResources() {
  platform::ResourceTable table;
  table.menus.push_back(GameMenu("MenuMain", "Pause", true));
  table.menus.push_back(GameMenu("MenuMain2", "Pause", false));
  table.menus.push_back(GameMenu("MenuMain3", "Continue", false));
  table.dialogs = FeldoDialogTemplates();
  table.strings = {
      {kStringTitle, TranslateLater("サッカー")},
      {kStringClassName, TranslateLater("サッカー")},
      {kStringNoTimer, TranslateLater("タイマー設定できません")},
      {kStringDataFileError, TranslateLater("データファイル エラー")},
      {kStringErrorNumber, TranslateLater("エラー No. 00")},
      {kStringExitQuestion, TranslateLater("現在進行中のゲームを中止して終了しますか?")},
      {kStringExitCaption, TranslateLater("ゲームの終了")},
      {kStringNewCampaignQuestion,
       TranslateLater("現在進行中のゲームを中止してワールドカップ予選から始めます!")},
      {kStringNewCampaignCaption, TranslateLater("新しくゲームを始める")},
      {kStringSaveQuestion, TranslateLater("ゲームデータをセーブしますか!")},
      {kStringSaveCaption, TranslateLater("ゲームのセーブ")},
      {kStringLevelLoaded, TranslateLater("対戦相手の強さが %s になりました")},
      {kStringLoadCaption, TranslateLater("ゲームのロード")},
  };
  table.icons.push_back(DrawProgramIcon(kIconLarge, 32));
  table.icons.push_back(DrawProgramIcon(kIconSmall, 16));
  return table;
}

}  // namespace

platform::IconResource DrawProgramIcon(int id, int size) {
  platform::IconResource icon;
  icon.id = id;
  icon.width = size;
  icon.height = size;
  icon.pixels.assign(std::size_t(size) * std::size_t(size), 0);
  // A black-and-white ball: white leather with dark pentagon patches, outlined, on a rounded
  // green square.
  const double centre = (size - 1) / 2.0;
  const double radius = size * 0.40;
  const double patch = radius * 0.36;
  // Patch centres: one in the middle and five around it.
  double patchX[6] = {0, 0, 0, 0, 0, 0};
  double patchY[6] = {0, 0, 0, 0, 0, 0};
  for (int k = 1; k < 6; ++k) {
    const double angle = -M_PI / 2 + (k - 1) * 2 * M_PI / 5;
    patchX[k] = std::cos(angle) * radius * 0.78;
    patchY[k] = std::sin(angle) * radius * 0.78;
  }
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      std::uint32_t colour = 0;
      const double dx = x - centre;
      const double dy = y - centre;
      const double corner = size * 0.18;
      const double ex = std::fabs(dx) - (centre - corner);
      const double ey = std::fabs(dy) - (centre - corner);
      const bool inSquare = ex <= 0 || ey <= 0 || (ex * ex + ey * ey) <= corner * corner;
      if (inSquare) colour = Argb(0, 150, 40);
      const double distance = std::sqrt(dx * dx + dy * dy);
      if (distance <= radius) {
        colour = Argb(250, 250, 250);
        for (int k = 0; k < 6; ++k) {
          const double px = dx - patchX[k];
          const double py = dy - patchY[k];
          if (std::sqrt(px * px + py * py) <= patch * (k == 0 ? 1.0 : 0.8)) {
            colour = Argb(20, 20, 20);
          }
        }
        if (distance > radius - (size >= 32 ? 1.6 : 1.0)) colour = Argb(20, 20, 20);
      }
      icon.pixels[std::size_t(y * size + x)] = colour;
    }
  }
  return icon;
}

const platform::ResourceTable& FeldoResources() {
  static const platform::ResourceTable table = BuildResources();
  return table;
}
