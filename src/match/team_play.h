// The players' movement and team play: team A's positional rules and team B's play (their
// goalkeepers' steps run inside them).
#pragma once

// Team A's player 10 (the lower forward) rests here when the ball is not in his zone: in team
// B's half below the centre line, in the manner of the other two forwards' rest points
// (centreX + 180, centreY - 150) and (centreX + 180, centreY).
inline constexpr int kForward10RestDx = 180;  // from centreX
inline constexpr int kForward10RestDy = 150;  // from centreY

void UpdateTeamA();
void WalkTeamB(int i, int tx, int ty);
void UpdateTeamB();
// 1-based index of the team B outfield player nearest the ball (Manhattan) below `limit`, 0.
int NearestTeamB(int limit);
