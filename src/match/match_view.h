// What the match rules ask of the screen. The rules draw nothing themselves: at the moments of
// a tick or a frame where the player must see something at once they call the view installed
// here, which knows where it draws. With no view installed (tests, benchmarks, computed play)
// nothing is drawn and nothing is loaded, and the rules run exactly the same. The view only
// reads the match records; it never writes a rule record.
#pragma once

#include "match/match_state.h"

class MatchView {
 public:
  virtual ~MatchView() = default;
  // A goal as it is scored, before the score changes: the pitch with the ball in the net and
  // the caption in front of the goal scored in (kGoalByB or kGoalByA).
  virtual void ShowGoal(MatchEvent goal) = 0;
  // The scoreboard once the score has changed.
  virtual void ShowScore() = 0;
  // The redraw at the end of a frame in which something moved.
  virtual void RedrawFrame() = 0;
  // The goal caption over that redraw.
  virtual void WriteGoalCaption(MatchEvent goal) = 0;
  // The command panel under the pitch, at the end of every frame.
  virtual void DrawCommandPanel() = 0;
  // The pictures of a new pairing, once its kits are chosen: both sides' sprite sheets
  // (kitA, kitB at sheetBaseA, sheetBaseB) and the dark overlay sheets.
  virtual void LoadPairingPictures() = 0;

  // The clock and the periods.
  // The clock line at the top of the view.
  virtual void DrawClock() = 0;
  // The scoreboard as a match starts.
  virtual void DrawScoreboard() = 0;
  // The pitch drawn afresh for a new period under the caption of captionKind, with the clock
  // and the scoreboard.
  virtual void ShowPeriodBreak() = 0;
  // The caption of captionKind, on every tick while captionTimer runs.
  virtual void ShowPeriodCaption() = 0;
  // The picture for play to go on once a caption has run out: the pitch with the players (the
  // shoot-out caption during a shoot-out) and the ball.
  virtual void ShowRestart() = 0;

  // The ceremonies around the play.
  // The pitch without players, and each side's first player below it, at the tunnel.
  virtual void ShowEntranceStart() = 0;
  // The players walking in; `last` for the step that lines them up and closes the tunnel.
  virtual void ShowEntranceStep(bool last) = 0;
  // The tunnel closed behind the players and the fixture caption: the stage and the two
  // nations.
  virtual void ShowFixtureCaption() = 0;
  // The pitch for the kick-off with its caption.
  virtual void ShowKickOff() = 0;
  // A step of the supporters' celebration after a goal; `last` for the step that ends it.
  virtual void ShowGoalCelebrationStep(bool last) = 0;
  // A tick while the cup celebration is open: its team photo moves on at its own pace.
  virtual void VictoryCelebrationTick() = 0;

  // The penalty shoot-out.
  // The pitch for the first kick: the shoot-out caption, the clock line, the scoreboard and
  // the ball.
  virtual void ShowShootOutStart() = 0;
  // A shoot-out goal as it is scored: the pitch with the ball in the net and "G O A L !!"
  // high in front of the left goal.
  virtual void ShowShootOutGoal() = 0;
  // The kick-by-kick board of the shoot-out.
  virtual void DrawShootOutBoard() = 0;
};

// The view the rules call, nullptr for none. The game program installs the pitch view when
// its main window is created.
void SetMatchView(MatchView* view);
inline MatchView* installedMatchView = nullptr;  // set only through SetMatchView
inline MatchView* CurrentMatchView() {
  return installedMatchView;
}
