// The launcher program.
#include "launcher/launcher_window.h"
#include "platform/platform.h"
#include "resources/lumar_resources.h"

int main(int argc, char** argv) {
  return platform::RunProgram(argc, argv, LumarResources(), LumarMain);
}
