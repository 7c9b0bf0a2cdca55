// The restarts taken at once in the frame the ball went out (throw-ins and corners) and the
// per-player offside flag.
#pragma once

// The touch lines: a ball beyond one is put on the line and thrown in at once. True when it
// was. (The first step of CheckGoalAndOut, also used by the penalty shoot-out.)
bool CheckTouchLines();
void ThrowIn();
void ThrowBall(int d);
void CornerKick();
int NearestMateA(int k);
int NearestMateB(int k);
int IsOffsideA(int i);
int IsOffsideB(int i);
