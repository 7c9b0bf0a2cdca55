// The two goalkeepers: holding and kicking out, coming out to a still ball, the band in front
// of the goal, following the ball, depth and the reaching poses. The steps run inside
// UpdateTeamA and UpdateTeamB ahead of the outfield rules.
#pragma once

// Team A's keeper. Returns true while he holds the ball (keeperHoldTicks not 0): the rest of
// UpdateTeamA is skipped then.
bool KeeperStepsA();
// Team B's keeper while restartFreeze runs: only his pose after his own kick-out.
void KeeperFreezePoseB();
// Team B's keeper holding the ball (ballHolder 12): the hold and the kick-out.
void KeeperHoldB();
// Team B's keeper otherwise: keeperHoldTicks = 0, then on his rhythm coming out, the band,
// following the ball and depth.
void KeeperPositionB();
