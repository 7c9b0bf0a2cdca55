// The keyboard's way into the match: the kick key charged while held and played on release,
// Shift's lob mode, the arrow keys, the characters that become commands, and the stop of the
// controlled player whenever a key is released.
#include <gtest/gtest.h>

#include "match/control_state.h"
#include "match/match_state.h"
#include "platform/platform.h"
#include "shell/keyboard.h"

namespace {

using platform::Key;

class Controls : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetControlState();
    ResetMatchRecords();
  }
  void TearDown() override {
    ResetControlState();
    ResetMatchRecords();
  }
  // A key pressed for `ticks` timer ticks and released (the tick counts while the kick key is
  // held; here the count is set as the tick would leave it).
  static void Press(int key, int ticks = 0) {
    HandleKeyDown(key);
    if (controlState.kickKeyMode == 1) controlState.kickHoldTicks = ticks;
    HandleKeyUp(key);
  }
};

// ---------------------------------------------------------------- the kick key

TEST_F(Controls, KickIsPlayedOnReleaseWithPowerByHowLongTheKeyWasHeld) {
  HandleKeyDown(platform::KeySpace);
  EXPECT_EQ(controlState.kickKeyMode, 1);
  EXPECT_EQ(controlState.keyCommand, 0);  // nothing is played on the press
  controlState.kickHoldTicks = 49;
  HandleKeyUp(platform::KeySpace);
  EXPECT_EQ(controlState.keyCommand, 32);
  EXPECT_EQ(controlState.kickPower, 1);
  EXPECT_EQ(controlState.kickKeyMode, 0);
  EXPECT_EQ(controlState.kickHoldTicks, 0);

  for (int held : {50, 1000}) {
    ResetControlState();
    Press(platform::KeySpace, held);
    EXPECT_EQ(controlState.keyCommand, 32) << held;
    EXPECT_EQ(controlState.kickPower, 3) << held;
  }
}

TEST_F(Controls, AutoRepeatOfTheHeldKickKeyDoesNotRestartTheCount) {
  HandleKeyDown(platform::KeySpace);
  controlState.kickHoldTicks = 60;
  HandleKeyDown(platform::KeySpace);
  HandleKeyDown(platform::KeySpace);
  EXPECT_EQ(controlState.kickHoldTicks, 60);
  HandleKeyUp(platform::KeySpace);
  EXPECT_EQ(controlState.kickPower, 3);
}

TEST_F(Controls, MainAndKeypadZeroAreKickKeys) {
  for (int key : {int(platform::Key0), int(platform::KeyNumpad0)}) {
    ResetControlState();
    HandleKeyDown(key);
    EXPECT_EQ(controlState.kickKeyMode, 1) << key;
    controlState.kickHoldTicks = 70;
    HandleKeyUp(key);
    EXPECT_EQ(controlState.keyCommand, 32) << key;
    EXPECT_EQ(controlState.kickPower, 3) << key;
  }
  // Other digits, and the keypad's 0 with Num Lock off (Insert), are not.
  for (int key : {platform::Key0 + 1, platform::KeyNumpad0 + 5, int(platform::KeyInsert)}) {
    ResetControlState();
    HandleKeyDown(key);
    EXPECT_EQ(controlState.kickKeyMode, 0) << key;
    HandleKeyUp(key);
    EXPECT_EQ(controlState.keyCommand, 0) << key;
  }
}

TEST_F(Controls, ReleasingTheKickKeyWithoutAPressPlaysNothing) {
  HandleKeyUp(platform::KeySpace);
  EXPECT_EQ(controlState.keyCommand, 0);
  EXPECT_EQ(controlState.kickPower, 0);
}

// ---------------------------------------------------------------- Shift

TEST_F(Controls, ShiftDropsAChargingKick) {
  HandleKeyDown(platform::KeySpace);
  controlState.kickHoldTicks = 30;
  HandleKeyDown(platform::KeyShift);
  EXPECT_EQ(controlState.kickKeyMode, 2);
  EXPECT_EQ(controlState.kickHoldTicks, 0);
  HandleKeyUp(platform::KeySpace);  // no kick
  EXPECT_EQ(controlState.keyCommand, 0);
  EXPECT_EQ(controlState.kickPower, 0);
  EXPECT_EQ(controlState.kickKeyMode, 2);  // still lobbing while Shift is held
  HandleKeyUp(platform::KeyShift);
  EXPECT_EQ(controlState.kickKeyMode, 0);
}

TEST_F(Controls, KickKeyPressedWhileShiftIsHeldStartsAKickAndEndsTheLobMode) {
  HandleKeyDown(platform::KeyShift);
  EXPECT_EQ(controlState.kickKeyMode, 2);
  HandleKeyDown(platform::KeySpace);
  EXPECT_EQ(controlState.kickKeyMode, 1);
  HandleKeyUp(platform::KeyShift);  // changes nothing now
  EXPECT_EQ(controlState.kickKeyMode, 1);
  controlState.kickHoldTicks = 10;
  HandleKeyUp(platform::KeySpace);
  EXPECT_EQ(controlState.keyCommand, 32);
  EXPECT_EQ(controlState.kickPower, 1);
  EXPECT_EQ(controlState.kickKeyMode, 0);
}

// ---------------------------------------------------------------- arrows and characters

TEST_F(Controls, ArrowKeysGiveTheFourDirectionsOnEveryPressAndRepeat) {
  const std::pair<int, int> arrows[] = {{platform::KeyLeft, 4},
                                        {platform::KeyUp, 8},
                                        {platform::KeyRight, 6},
                                        {platform::KeyDown, 2}};
  for (auto [key, command] : arrows) {
    HandleKeyDown(key);
    EXPECT_EQ(controlState.keyCommand, command) << key;
    controlState.keyCommand = 0;  // taken by a frame step
    HandleKeyDown(key);           // auto-repeat
    EXPECT_EQ(controlState.keyCommand, command) << key;
  }
}

TEST_F(Controls, KeypadWithNumLockOffStillSteersButGivesNoDiagonals) {
  // Num Lock off: 8, 2, 4, 6 arrive as arrow keys, 7, 9, 1, 3 as Home, PageUp, End, PageDown,
  // 5 as Clear, and no characters.
  HandleKeyDown(platform::KeyUp);
  EXPECT_EQ(controlState.keyCommand, 8);
  for (int key : {platform::KeyHome, platform::KeyPageUp, platform::KeyEnd, platform::KeyPageDown,
                  platform::KeyClear}) {
    controlState.keyCommand = 0;
    HandleKeyDown(key);
    HandleKeyUp(key);
    EXPECT_EQ(controlState.keyCommand, 0) << key;
  }
}

TEST_F(Controls, KeypadWithNumLockOnGivesAllEightDirectionsThroughItsCharacters) {
  for (int digit = 1; digit <= 9; ++digit) {
    HandleKeyDown(platform::KeyNumpad0 + digit);
    EXPECT_EQ(controlState.keyCommand, 0) << digit;  // the key itself gives nothing
    HandleCharacter(std::uint32_t('0' + digit));
    EXPECT_EQ(controlState.keyCommand, digit);
    HandleKeyUp(platform::KeyNumpad0 + digit);
    controlState.keyCommand = 0;
  }
}

TEST_F(Controls, LettersAndFourSymbolsBecomeCommandsAndAnythingElseCancels) {
  const std::pair<std::uint32_t, int> commands[] = {{'a', 'A'}, {'q', 'Q'}, {'z', 'Z'}, {'A', 'A'},
                                                    {'Z', 'Z'}, {'P', 'P'}, {'*', 42},  {'/', 47},
                                                    {':', 58},  {'?', 63},  {'0', 0},   {'7', 7}};
  for (auto [character, command] : commands) {
    controlState.keyCommand = 99;
    HandleCharacter(character);
    EXPECT_EQ(controlState.keyCommand, command) << character;
  }
  // A pending command is replaced, and cancelled by any other character.
  for (std::uint32_t other : {std::uint32_t(' '), std::uint32_t('!'), std::uint32_t('@'),
                              std::uint32_t('['), std::uint32_t('`'), std::uint32_t('{'),
                              std::uint32_t('+'), std::uint32_t(0x0D), std::uint32_t(0xFF21)}) {
    controlState.keyCommand = 6;
    HandleCharacter(other);
    EXPECT_EQ(controlState.keyCommand, 0) << other;
  }
}

TEST_F(Controls, KickKeyCharacterClearsThePendingCommandBeforeTheKickIsPlayed) {
  HandleKeyDown(platform::KeyLeft);
  HandleKeyDown(platform::KeySpace);
  HandleCharacter(' ');
  EXPECT_EQ(controlState.keyCommand, 0);
  HandleKeyUp(platform::KeySpace);
  EXPECT_EQ(controlState.keyCommand, 32);
}

// A held direction key repeats; when it is released, the direction its last repeat left
// pending is taken back, so that the next frame does not start the player again. A tap's one
// direction stays (it is the only step the tap gives), and so does anything that is no
// direction of the released key.
TEST_F(Controls, ReleasingAHeldDirectionKeyTakesBackTheDirectionItsRepeatLeft) {
  struct Key {
    int key;
    std::uint32_t character;  // 0: the key gives its direction itself
    int command;
  };
  const Key keys[] = {{platform::KeyLeft, 0, 4},          {platform::KeyUp, 0, 8},
                      {platform::KeyRight, 0, 6},         {platform::KeyDown, 0, 2},
                      {platform::KeyNumpad0 + 8, '8', 8}, {platform::KeyNumpad0 + 2, '2', 2},
                      {platform::KeyNumpad0 + 4, '4', 4}, {platform::KeyNumpad0 + 6, '6', 6}};
  const auto press = [](const Key& k, bool repeated) {
    HandleKeyDown(k.key, repeated);
    if (k.character != 0) HandleCharacter(k.character);
  };
  for (const Key& k : keys) {
    ResetControlState();
    press(k, false);
    HandleKeyUp(k.key);
    EXPECT_EQ(controlState.keyCommand, k.command) << "a tap keeps its step " << k.key;

    press(k, false);
    press(k, true);
    HandleKeyUp(platform::KeyShift);  // another key let go: the direction stays
    EXPECT_EQ(controlState.keyCommand, k.command) << k.key;
    HandleKeyUp(k.key);
    EXPECT_EQ(controlState.keyCommand, 0) << "released after a repeat " << k.key;

    // A kick typed while the key is held is played all the same.
    press(k, true);
    HandleKeyDown(platform::KeyA + ('S' - 'A'));
    HandleCharacter('s');
    HandleKeyUp(platform::KeyA + ('S' - 'A'));
    HandleKeyUp(k.key);
    EXPECT_EQ(controlState.keyCommand, 'S') << k.key;
    press(k, true);
    HandleKeyDown(platform::KeySpace);
    HandleCharacter(' ');
    HandleKeyUp(k.key);
    HandleKeyUp(platform::KeySpace);
    EXPECT_EQ(controlState.keyCommand, 32) << k.key;
  }
  // The diagonals of the keypad are kicks: their repeat is kept.
  HandleKeyDown(platform::KeyNumpad0 + 7, true);
  HandleCharacter('7');
  HandleKeyUp(platform::KeyNumpad0 + 7);
  EXPECT_EQ(controlState.keyCommand, 7);
}

// ---------------------------------------------------------------- any release stops

TEST_F(Controls, AnyKeyReleaseStopsTheControlledPlayerAndTheBallHeHolds) {
  match.controlledPlayer = 5;
  match.ballHolder = 5;
  ball.speed = 4;
  for (auto& player : teamA) player.motion = 7;
  HandleKeyUp(platform::KeyA + ('K' - 'A'));  // a letter the engine ignores
  EXPECT_EQ(teamA[4].motion, 0);
  EXPECT_EQ(ball.speed, 0);
  EXPECT_EQ(teamA[3].motion, 7);
  EXPECT_EQ(teamA[5].motion, 7);
}

TEST_F(Controls, ReleaseLeavesTheBallAloneWhenSomeoneElseHasIt) {
  match.controlledPlayer = 5;
  teamA[4].motion = 7;
  ball.speed = 4;
  for (int holder : {0, 6, 16}) {  // nobody, a team-mate, team B's player 5
    match.ballHolder = holder;
    teamA[4].motion = 7;
    HandleKeyUp(platform::KeyShift);
    EXPECT_EQ(teamA[4].motion, 0) << holder;
    EXPECT_EQ(ball.speed, 4) << holder;
  }
  teamB[4].motion = 7;  // team B's player with the same index is not touched
  HandleKeyUp(platform::KeySpace);
  EXPECT_EQ(teamB[4].motion, 7);
}

TEST_F(Controls, ReleaseWithNoControlledPlayerTouchesNobody) {
  for (int controlled : {0, 12, -1}) {
    match.controlledPlayer = controlled;
    match.ballHolder = controlled;
    ball.speed = 4;
    for (auto& player : teamA) player.motion = 7;
    HandleKeyUp(platform::KeyLeft);
    for (const auto& player : teamA) EXPECT_EQ(player.motion, 7) << controlled;
    EXPECT_EQ(ball.speed, 4) << controlled;
  }
}

}  // namespace
