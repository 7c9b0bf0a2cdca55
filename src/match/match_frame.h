// One frame of a running match, in its fixed order.
#pragma once

// One frame of play; what it shows is drawn by the match view (nothing without one).
void MatchFrameStep();
