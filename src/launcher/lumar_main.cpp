// The launcher program.
#include "launcher/launcher_window.h"
#include "platform/platform.h"
#include "resources/lumar_resources.h"

int main(int argc, char** argv) {
  const platform::ProgramArguments arguments{
      "[FOLDER]",
      "  FOLDER         start the game in FOLDER (by default the current folder)\n"
      "  --lang en|ja   show the texts in English or Japanese, and start the game so (otherwise\n"
      "                 English when the locale's language is English, else Japanese)\n",
      {{"--lang", {"en", "ja"}}}};
  return platform::RunProgram(argc, argv, LumarResources(), LumarMain, arguments);
}
