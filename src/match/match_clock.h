// The match clock and the periods: two halves of three displayed minutes counted down, the
// change of ends at half time, one period of extra time for a level knockout or play-off match
// of the campaign, and the signal that the match is over. The timer tick adds 10 ms a tick to
// clockMillis while play runs; each full second above 1000 takes a second off the clock.
#pragma once

#include <string>

// The clock set for a new period: clockMillis 0, the clock at 3:00. Before a match and at
// each change of period.
void SetClockForPeriod();
// One second off the clock once clockMillis exceeds 1000, and the end of a period at 0:00.
// True when the match is over (half is then 0).
bool ClockStep();
// The clock line as the screen shows it: "1st 3:00", "2nd 1:05", "Ext 2:59", "     0: 0"
// (nine characters; the seventh is zero-filled when blank), or "-Penalty shootout-".
std::string ClockText();
// True when a drawn second half goes to extra time: a campaign match, a play-off pending or
// the knockout phase, still in regular time, the scores level.
bool ExtraTimeFollows();
