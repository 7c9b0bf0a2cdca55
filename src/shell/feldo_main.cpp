// The game program.
#include "platform/platform.h"
#include "resources/feldo_resources.h"
#include "shell/main_window.h"

int main(int argc, char** argv) {
  return platform::RunProgram(argc, argv, FeldoResources(), FeldoMain);
}
