// The players' movement and team play: team A's positional rules, team B's play, possession
// and the near player, the user's command, the controlled player's slide, the choice of the
// controlled player and the sprite poses.
#pragma once

// Team A's player 10 (the lower forward) rests here when the ball is not in his zone: in team
// B's half below the centre line, in the manner of the other two forwards' rest points
// (centreX + 180, centreY - 150) and (centreX + 180, centreY).
inline constexpr int kForward10RestDx = 180;  // from centreX
inline constexpr int kForward10RestDy = 150;  // from centreY

// The controlled player's slide keeps y within kSlideTopY ... mirrorY - kSlideTopY (a little
// beyond the touch lines) and x within kSlideMargin of the goal lines.
inline constexpr int kSlideTopY = 54;
inline constexpr int kSlideMargin = 6;

// Command codes the engine works with besides the direction codes.
namespace UserCommand {
inline constexpr int kCross = 32;  // the kick key released
inline constexpr int kA = 'A', kP = 'P', kQ = 'Q', kS = 'S', kW = 'W', kX = 'X', kZ = 'Z';
}  // namespace UserCommand

void UpdateTeamA();
void WalkTeamB(int i, int tx, int ty);
void UpdateTeamB();
void UpdatePossession();
void UpdateNearPlayer();
void ReadUserCommand();
void ApplySlide();
void AutoSelectControlled();
void CountDownMotion();
// Facing class of a direction code: 1 vertical, 2 faces left on screen, 3 right, 0 other;
// `mirrored` swaps 2 and 3.
int SpriteFacing(int facing, bool mirrored);
void AnimateTeamA();
void AnimatePlayerA(int i);
void AnimateTeamB();
// 1-based index of the team B outfield player nearest the ball (Manhattan) below `limit`, 0.
int NearestTeamB(int limit);
