// The launcher's strings and icons.
#include "resources/lumar_resources.h"

#include "resources/feldo_resources.h"

namespace {

platform::ResourceTable BuildResources() {
  platform::ResourceTable table;
  table.strings = {
      {kLumarStringTitle, "VEXO WORLD CUP"},
      {kLumarStringClassName, "VEXO WORLD CUP"},
      {kLumarStringNoTimer, "タイマー設定できません"},
      {kLumarStringStartFailed, "ゲームを起動できません"},
      {kLumarStringNoFolder, "ゲームのフォルダに移れません。\n%s"},
      {kLumarStringNotFound, "ゲームのプログラムが見つかりません。\n%s"},
      {kLumarStringNotExecutable, "ゲームのプログラムを実行できません。\n%s"},
      {kLumarStringEndedUnready, "ゲームのプログラムが起動の途中で終了しました。\n%s"},
      {kLumarStringNotReadyInTime, "ゲームのプログラムが 5 秒たっても起動を終えません。\n%s"},
      {kLumarStringSystemRefused, "ゲームのプログラムを起動する準備ができません。\n%s"},
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
