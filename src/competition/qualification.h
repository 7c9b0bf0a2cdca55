// Who goes on from a league: the user's qualification with its play-off, the qualifiers of
// every region for the World Cup draw and the two qualifiers of every group for the bracket,
// and the whole qualifying or group league of the regions and groups the user is not in.
//
// A league has a number of tickets (Asia, South America and Africa 3, Europe 5, North/Central
// America and Caribbean 2, a World Cup group 2). Qualifiers are taken by walking the ranks:
// rank by rank from 1, the nations of each rank in slot order, so nations level on everything
// go in slot order and a missing rank value is skipped. The walk so goes by the places of
// StandingsPlaces (standings.h): the nations on the first `tickets` places qualify, and the
// user's decision and the marks of the final table go by the same places.
#pragma once

inline constexpr int kGroupTickets = 2;

// The tickets of a region's qualifying (0 for an index outside 0 to 4).
int RegionTickets(int region);

// How a play-off ended on penalties, when it did: the caller reads it from the match and puts
// the match's period back to normal time afterwards.
struct PlayoffShootOut {
  bool played = false;
  int userGoals = 0;  // shoot-out goals alone
  int opponentGoals = 0;
};

// After the last round of the user's league (qualifying in gameFlow.phase 2, the group league
// in 3), with Standings computed after that round, or after a play-off (gameFlow's
// playoffOpponent not 0, lastMatchResult its score before any shoot-out). Returns whether the
// user's nation has passed. When it has not, gameFlow.playoffOpponent holds the nation of a
// play-off still to be played (or still to be decided on penalties), 0 when the stage is lost.
//
// By the user's place p (StandingsPlaces) and the number c of nations on it, the user included:
// passed when p + c - 1 is within the tickets; out when p is beyond them (the nations ahead
// hold every ticket); otherwise the nations level with the user stand across the boundary and
// the user gets a play-off against one of them. A play-off level after extra time is not
// decided until its shoot-out has been played.
bool DecideQualification(const PlayoffShootOut& shootOut = {});

// A random other nation of rank r, 0 when there is none: the first such nation in slot order
// with a chance of 2 in CountAtRank(r), each later one with 1 in CountAtRank(r).
int PickPlayoffOpponent(int r);

// After the user passed the qualifying: the user's region's QualifierTable row, the user's
// nation first and then the region's other qualifiers by the walk of the ranks, leaving out the
// nation a play-off has just beaten.
void RecordRegionQualifiers();
// Plays the whole qualifying of another region with computed results and records its
// qualifiers in its QualifierTable row. Standings then hold that region's final table.
void ComputeRegionQualifying(int region);

// After the user passed the group league: the two bracket entries of the user's group. After a
// play-off the user takes the place of the rank it shared and the beaten nation stays out.
void RecordGroupQualifiers();
// Plays the whole league of another group with computed results and records its winner and
// runner-up in the bracket. Standings then hold that group's final table.
void ComputeGroup(int group);
