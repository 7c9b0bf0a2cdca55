// The launcher program.
#include "launcher/launcher_window.h"
#include "platform/platform.h"
#include "resources/lumar_resources.h"

int main(int argc, char** argv) {
  const platform::ProgramArguments arguments{
      "[FOLDER]", "  FOLDER         start the game in FOLDER (by default the current folder)\n", {}};
  return platform::RunProgram(argc, argv, LumarResources(), LumarMain, arguments);
}
