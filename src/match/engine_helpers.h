// Small helpers shared by the rules of the match engine: the half, player codes and safe
// access to the players that MatchState fields name.
//
// A field that names a player (controlledPlayer, ballHolder, nearPlayer, kicker) is checked
// before it is used as an index: a value that names no player of that side is treated as
// "nobody", so a stray value can never reach outside a team.
#pragma once

#include <cstdlib>

#include "match/match_state.h"

namespace engine {

// The rules that differ by half take their first-half form in every half but the second
// (the penalty shoot-out runs with half 0).
inline bool SecondHalf() {
  return match.half == 2;
}

inline bool IsTeamACode(int code) {
  return code >= 1 && code <= kPlayersPerSide;
}
inline bool IsTeamBCode(int code) {
  return code >= kPlayersPerSide + 1 && code <= 2 * kPlayersPerSide;
}
inline bool IsIndex(int i) {
  return i >= 0 && i < kPlayersPerSide;
}

// Team A's player with a 1-based index (controlledPlayer, kicker), nullptr for nobody.
inline PlayerState* TeamAByNumber(int number) {
  return IsTeamACode(number) ? &teamA[std::size_t(number - 1)] : nullptr;
}

// The 0-based index of the controlled player, -1 when the field names nobody.
inline int ControlledIndex() {
  return IsTeamACode(match.controlledPlayer) ? match.controlledPlayer - 1 : -1;
}

inline int ManhattanToBall(const PlayerState& p) {
  return std::abs(p.x - ball.x) + std::abs(p.y - ball.y);
}
inline long long SquaredToBall(const PlayerState& p) {
  const long long dx = ball.x - p.x;
  const long long dy = ball.y - p.y;
  return dx * dx + dy * dy;
}

inline bool IsDiagonal(int d) {
  return d == 1 || d == 3 || d == 7 || d == 9;
}
inline bool IsStraight(int d) {
  return d == 2 || d == 4 || d == 6 || d == 8;
}

}  // namespace engine
