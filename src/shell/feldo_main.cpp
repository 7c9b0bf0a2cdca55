// The game program.
#include "platform/platform.h"
#include "resources/feldo_resources.h"
#include "shell/main_window.h"

int main(int argc, char** argv) {
  // The game takes no argument of its own: the launcher starts it in the game folder (and
  // passes that folder, which the game does not need).
  const platform::ProgramArguments arguments{
      "",
      "The game plays in the current folder: its pictures, sounds, settings and saved\n"
      "campaign are read and written there.\n\n"
      "  --classic-motion  for this run, draw the match only when its rules step (about nine\n"
      "                    pictures a second) instead of smoothly between the steps\n"
      "  --lang en|ja      for this run, show the texts in English or Japanese (otherwise the\n"
      "                    choice of the GAME menu, or English when the locale's language is\n"
      "                    English, else Japanese)\n",
      {{"--classic-motion", {}}, {"--lang", {"en", "ja"}}}};
  return platform::RunProgram(argc, argv, FeldoResources(), FeldoMain, arguments);
}
