// Starting the game program from the launcher.
#include "launcher/game_start.h"

#include <optional>
#include <string>
#include <vector>

#include "launcher/launcher_state.h"
#include "resources/lumar_resources.h"

int StartFailureTextId(platform::StartResult result) {
  using platform::StartResult;
  switch (result) {
    case StartResult::Ready:
      return 0;
    case StartResult::NoFolder:
      return kLumarStringNoFolder;
    case StartResult::NotFound:
      return kLumarStringNotFound;
    case StartResult::NotExecutable:
      return kLumarStringNotExecutable;
    case StartResult::EndedUnready:
      return kLumarStringEndedUnready;
    case StartResult::NotReadyInTime:
      return kLumarStringNotReadyInTime;
    case StartResult::Failed:
      break;
  }
  return kLumarStringSystemRefused;
}

namespace {

// The game's arguments: the language the launcher was told to show, then the game folder.
std::vector<std::string> GameArguments() {
  std::vector<std::string> arguments;
  if (const std::optional<std::string> language = platform::GivenOption("--lang")) {
    arguments = {"--lang", *language};
  }
  arguments.push_back(launcher.gameFolder);
  return arguments;
}

void Report(platform::Window* window, platform::StartResult result, const std::string& where) {
  const std::string text = StartFailureText(launcher.instance, result, where);
  if (text.empty()) return;
  platform::MessageBox(window, text,
                       platform::LoadString(launcher.instance, kLumarStringStartFailed),
                       platform::mb::kOk | platform::mb::kIconWarning);
}

}  // namespace

std::string StartFailureText(platform::Instance* instance, platform::StartResult result,
                             const std::string& where) {
  const int id = StartFailureTextId(result);
  if (id == 0) return std::string();
  const std::string format = platform::LoadString(instance, id);
  return platform::Format(format.c_str(), where.c_str());
}

void StartGame(platform::Window* window) {
  ++launcher.startCommands;
  platform::StartResult result = platform::StartResult::NoFolder;
  if (!platform::SetCurrentDirectory(launcher.gameFolder)) {
    Report(window, result, launcher.gameFolder);
  } else {
    // Started from the game folder itself, so that a relative folder is not applied twice.
    result = platform::StartProgramReporting("", kGameProgram, GameArguments(), kGameReadyWaitMs);
    Report(window, result, platform::CurrentDirectory() + "/" + kGameProgram);
  }
  launcher.startResult = int(result);
  platform::SendMessage(window, platform::Msg::Command, LumarCommand::kQuit, 0);
}
