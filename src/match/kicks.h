// Every kick of the user's side: the passes, shots, crosses and touches of the user's
// command, the queued kick, and the kick routines of both sides that give the ball its
// direction, speed, climb and friction.
#pragma once

void KickBall(int d);
void KickWithSound(int d);
void KickBallB(int d);
void KickWithSoundB(int d);
void ShootBall(int d);
void CrossKick(int d);
int FacesRight(int i);    // 0 when teamA[i].slideDir is 1, 4 or 7, else 1
int KickDistance(int i);  // |x - ball x| + |y - ball y| of team A's player i
void HandleKickCommand();
// Queues a kick when the controlled player is close to but not at the ball; true if queued.
bool RunToBallForKick(int command);
void ExecuteQueuedKick();
