// The launcher's strings and icons.
#include "resources/lumar_resources.h"

#include "resources/feldo_resources.h"

using platform::TranslateLater;

namespace {

platform::ResourceTable BuildResources() {
  platform::ResourceTable table;
  table.strings = {
      {kLumarStringTitle, "VEXO WORLD CUP"},
      {kLumarStringClassName, "VEXO WORLD CUP"},
      {kLumarStringNoTimer, TranslateLater("タイマー設定できません")},
      {kLumarStringStartFailed, TranslateLater("ゲームを起動できません")},
      {kLumarStringNoFolder, TranslateLater("ゲームのフォルダに移れません。\n%s")},
      {kLumarStringNotFound, TranslateLater("ゲームのプログラムが見つかりません。\n%s")},
      {kLumarStringNotExecutable, TranslateLater("ゲームのプログラムを実行できません。\n%s")},
      {kLumarStringEndedUnready,
       TranslateLater("ゲームのプログラムが起動の途中で終了しました。\n%s")},
      {kLumarStringNotReadyInTime,
       TranslateLater("ゲームのプログラムが 5 秒たっても起動を終えません。\n%s")},
      {kLumarStringSystemRefused,
       TranslateLater("ゲームのプログラムを起動する準備ができません。\n%s")},
  };
  // The launcher shows the game's own ball icon.
  table.icons.push_back(DrawProgramIcon(kLumarIconLarge, 32));
  table.icons.push_back(DrawProgramIcon(kLumarIconSmall, 16));
  return table;
}

}  // namespace

const platform::ResourceTable& LumarResources() {
  static const platform::ResourceTable table = BuildResources();
  return table;
}
