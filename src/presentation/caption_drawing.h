// What the clock and the ceremonies show: the clock line, the half-time and extra-time
// captions, the players' entrance, the fixture caption with the kick-off caption, and the
// supporters' celebration after a goal. The steps themselves are rules of the match
// (match/match_clock.h, match/ceremonies.h); these only draw what the records say.
#pragma once

#include <string>

#include "platform/platform.h"

void DrawClock(platform::DeviceContext* dc);
// The caption of captionKind while captionTimer runs: "ハーフタイム" or "   延 長 戦".
void DrawPeriodCaption(platform::DeviceContext* dc);
// A new period: the full pitch, its caption, the clock and the scoreboard.
void DrawPeriodBreak(platform::DeviceContext* dc);

// The pitch and each side's first player at the tunnel (the pitch view sets up the
// supporters' streamers just before).
void DrawEntranceStart(platform::DeviceContext* dc);
// A step of the walk-in: the players, the top strip with both sides' supporters and the
// tunnel; the last lines the players up and closes the tunnel.
void DrawEntranceStep(platform::DeviceContext* dc, bool last);
// The tunnel closed behind the players before the fixture caption.
void DrawTunnelClosed(platform::DeviceContext* dc);
// The fixture caption (or "対戦相手がいません" without an opponent).
void DrawFixtureCaption(platform::DeviceContext* dc);
// The pitch for the kick-off and "試 合 開 始".
void DrawKickOffCaption(platform::DeviceContext* dc);
// The crowd strip and the scoreboard, with the scoring side's supporters unless it is the
// last step.
void DrawGoalCelebrationStep(platform::DeviceContext* dc, bool last);

// The first line of the fixture caption: the stage of the match.
std::string FixtureTitle();
