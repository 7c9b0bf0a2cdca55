// The keyboard handlers of the main window. They never move a player themselves, with one
// exception: releasing any key stops the controlled player (and the ball he holds).
#include "shell/keyboard.h"

#include "match/control_state.h"
#include "match/match_state.h"
#include "platform/platform.h"

namespace {

// The main keyboard's 0 and the keypad's 0 act as the kick key.
int MapKickKey(int virtualKey) {
  if (virtualKey == platform::Key0 || virtualKey == platform::KeyNumpad0) {
    return platform::KeySpace;
  }
  return virtualKey;
}

bool IsDirection(std::int32_t command) {
  return command == 2 || command == 4 || command == 6 || command == 8;
}

// A direction or a kick for the match; the key that gave it is remembered when it was an
// auto-repeat.
void SetKeyCommand(std::int32_t command) {
  controlState.keyCommand = command;
  controlState.repeatedKey =
      controlState.lastKeyRepeated != 0 && IsDirection(command) ? controlState.lastKey : 0;
}

}  // namespace

void HandleKeyDown(int virtualKey, bool repeated) {
  const int key = MapKickKey(virtualKey);
  controlState.lastKey = virtualKey;
  controlState.lastKeyRepeated = repeated ? 1 : 0;
  if (key == platform::KeyShift) {
    if (controlState.kickKeyMode == 1) {  // a charging kick is abandoned
      controlState.kickKeyMode = 0;
      controlState.kickHoldTicks = 0;
    }
    controlState.kickKeyMode = 2;
  }
  if (key == platform::KeySpace && controlState.kickKeyMode != 1) {
    controlState.kickKeyMode = 1;
    controlState.kickHoldTicks = 0;
  }
  switch (key) {
    case platform::KeyLeft:
      SetKeyCommand(4);
      break;
    case platform::KeyUp:
      SetKeyCommand(8);
      break;
    case platform::KeyRight:
      SetKeyCommand(6);
      break;
    case platform::KeyDown:
      SetKeyCommand(2);
      break;
    default:
      break;
  }
}

void HandleKeyUp(int virtualKey) {
  const int key = MapKickKey(virtualKey);
  if (key == platform::KeyShift && controlState.kickKeyMode == 2) controlState.kickKeyMode = 0;
  if (key == platform::KeySpace && controlState.kickKeyMode == 1) {
    controlState.kickKeyMode = 0;
    controlState.keyCommand = 32;
    controlState.kickPower = controlState.kickHoldTicks < 50 ? 1 : 3;
    controlState.kickHoldTicks = 0;
  }
  // A direction left by the key's auto-repeat would start the player again on the next frame.
  if (controlState.repeatedKey == virtualKey) {
    if (IsDirection(controlState.keyCommand)) controlState.keyCommand = 0;
    controlState.repeatedKey = 0;
  }
  // Any key released stops the controlled player from sliding on.
  const int controlled = match.controlledPlayer;
  if (controlled >= 1 && controlled <= kPlayersPerSide) {
    teamA[std::size_t(controlled - 1)].motion = 0;
    if (match.ballHolder == controlled) ball.speed = 0;
  }
}

void HandleCharacter(std::uint32_t code) {
  std::int32_t command = 0;
  if (code >= '0' && code <= '9') {
    command = std::int32_t(code - '0');
  } else if (code >= 'a' && code <= 'z') {
    command = std::int32_t(code - 'a' + 'A');
  } else if (code >= 'A' && code <= 'Z') {
    command = std::int32_t(code);
  } else if (code == '*' || code == '/' || code == ':' || code == '?') {
    command = std::int32_t(code);
  }
  SetKeyCommand(command);
}
