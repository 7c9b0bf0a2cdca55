// The ceremonies that frame the play and hold it while they run: the players' entrance from
// the tunnel, the fixture caption that ends it with the kick-off, and the supporters'
// celebration after a goal in a campaign match. Their steps are paced by the timer tick through
// captionCountdown (see match/caption_state.h); what they show is drawn by the match view.
#pragma once

// The start of a match: the results cleared, all players below the pitch at the tunnel.
void StartEntrance();
// One step of the walk-in; after step 25 the fixture caption is due (entranceState 2).
void EntranceStep();
// One showing of the fixture caption; the seventh ends the ceremony with the kick-off set-up
// and the kick-off caption (captionTimer 40). Without an opponent only the notice is shown.
void FixtureCaptionStep();
// One step of the goal celebration; the 26th ends it.
void GoalCelebrationStep();
