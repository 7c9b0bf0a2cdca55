// How far the nations of the knockout bracket have come, as the bracket screen marks their
// paths: read from knockoutTable and gameFlow.roundIndex (0 first round, 1 semi-finals,
// 2 final) as they stand.
#pragma once

// A nation (number) still in the tournament: a semi-finalist while roundIndex is 1, a finalist
// while it is 2; never before the first round is played (roundIndex 0), and never nation 0.
bool StillIn(int nationNumber);
// A nation (number) that won its first-round tie: roundIndex is not 0 and it stands among the
// semi-finalists.
bool ReachedSemiFinal(int nationNumber);
