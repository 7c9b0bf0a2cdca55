// The scores of the matches the user does not play, and the collection of a round's results.
//
// A nation of qualifyingStrength s gets (s + 1) x 3 tries; its goals are the tries for which
// RandomBelow(3) returns 1, so s + 1 on average and 15 at most. A side that leads while either
// side has more than 4 goals sees both scores halved (rounding down); should the halving level
// them, the side that led keeps a one-goal lead.
#pragma once

// One league match of nation indices a (first-named, home) and b, appended to resultTable.
// Equal goal counts stay level: the match is a draw.
void ComputeMatch(int a, int b);
// One knockout tie of nation numbers a (home) and b, appended to resultTable. Goals are drawn
// again and added to the running totals until one side leads, so a tie is never level.
void ComputeTie(int a, int b);

// Computes every pairing of round `round` (0-based) of the league in leagueState, each once, in
// slot order with the lower slot's nation first: pairings of an empty slot, of the nations
// skipA or skipB (nation numbers), and of a nation already in resultTable are left out.
void ComputeOtherPairings(int round, int skipA, int skipB);

// After a round of the user's qualifying (gameFlow.phase 2) or group league (3), with
// gameFlow.lastRound the round just played: entry 0 is the user's match against
// lastMatchResult.opponent with lastMatchResult's goals (in the qualifying only when the user
// had an opponent), then every other pairing of the round is computed, each once.
void CollectRoundResults();

// After the user has won a first-round tie (gameFlow.roundIndex 0) or a semi-final (1): entry
// 0 is the user's tie against `opponent` (a nation number) with the match score, shoot-out
// goals included; the other ties of the round are computed; then the winners of the round go
// into knockoutTable.semiFinalists or finalists, in tie order.
void ComputeKnockoutRound(int opponent, int userGoals, int opponentGoals);

// The winner of the tie whose first-named side is `firstNamed`, read from the first of the
// first `entries` results in which that nation stands: the home side when its goals are
// greater, else the away side. 0 when no such result exists.
int TieWinner(int firstNamed, int entries);
