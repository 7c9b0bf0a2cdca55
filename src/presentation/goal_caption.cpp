// The goal caption and the scene drawn at once after a goal.
#include "presentation/goal_caption.h"

#include "match/engine_helpers.h"
#include "match/match_state.h"
#include "presentation/match_captions.h"

void WriteGoalCaptionAt(platform::DeviceContext* dc, int x, int y) {
  if (dc == nullptr) return;
  // Height 16, half-width advance 10, weight 24: a thin fixed-pitch font.
  platform::Font* font = platform::CreateFont({16, 10, 24});
  platform::Font* previous = platform::SelectFont(dc, font);
  platform::SetBkMode(dc, platform::BkMode::Transparent);
  const platform::Color oldColour = platform::SetTextColor(dc, platform::Rgb(255, 0, 0));
  platform::TextOut(dc, x, y, "G O A L !!");
  platform::SetTextColor(dc, oldColour);
  platform::SetBkMode(dc, platform::BkMode::Opaque);
  platform::SelectFont(dc, previous);
  platform::DeleteObject(font);
}

void WriteGoalCaption(platform::DeviceContext* dc, MatchEvent goal) {
  // In front of the goal that was scored in, as seen on the screen: team A's goal is on the
  // left in the first half and on the right in the second.
  const int leftX = match.pitchLeft - match.scrollX;
  const int rightX = match.pitchRight - match.scrollX - 80;
  const bool intoTeamAGoal = goal == MatchEvent::kGoalByB;
  const bool onLeft = engine::SecondHalf() ? !intoTeamAGoal : intoTeamAGoal;
  WriteGoalCaptionAt(dc, onLeft ? leftX : rightX, 240);
}

void DrawGoalScene(platform::DeviceContext* dc, MatchEvent goal) {
  if (dc == nullptr) return;
  DrawPitchBuffered(dc);
  WriteGoalCaption(dc, goal);
}

void DrawGoalScoreboard(platform::DeviceContext* dc) {
  if (dc == nullptr) return;
  DrawScoreboard(dc);
}
