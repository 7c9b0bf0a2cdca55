// Team B's decisions with the ball: the carrier's choice between a pass, a long shot, a chip
// and a cross, and the passes and shots themselves.
#pragma once

void TeamBCarrierDecision();
int TeamBPass(int i);  // the receiver's index, 0 if none
void TeamBShot();
void TeamBShotQuiet();
int TeamBMateInFront();
