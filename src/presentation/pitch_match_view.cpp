// The pitch view: what the rules ask of the screen, drawn with the pitch drawing.
#include "presentation/pitch_match_view.h"

#include "base/record_resets.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "presentation/bitmap_store.h"
#include "presentation/caption_drawing.h"
#include "presentation/ceremony_drawing.h"
#include "presentation/command_panel.h"
#include "presentation/goal_caption.h"
#include "presentation/match_captions.h"
#include "presentation/motion_blend.h"
#include "presentation/pitch_drawing.h"
#include "presentation/shoot_out_board.h"

namespace {

using platform::DeviceContext;

// Runs a drawing with a context of `window` obtained for it alone (nullptr when the window
// has none: the drawing calls then draw nothing, and what the drawing counts moves on).
template <typename Draw>
void DrawInto(platform::Window* window, Draw draw) {
  DeviceContext* dc = platform::GetDC(window);
  draw(dc);
  platform::ReleaseDC(window, dc);
}

class DrawnMatchView final : public MatchView {
 public:
  void SetWindow(platform::Window* window) { window_ = window; }
  platform::Window* Target() const { return window_; }
  void SetCelebrationWindow(platform::Window* dialog) { celebration_ = dialog; }

  void ShowGoal(MatchEvent goal) override {
    PlaceAllObjects();
    Draw([goal](DeviceContext* dc) { DrawGoalScene(dc, goal); });
  }
  void ShowScore() override { Draw(DrawGoalScoreboard); }
  void RedrawFrame() override {
    // A frame in which the ball went out of play or a goal was scored placed what it moved.
    const bool placed = match.matchEvent == MatchEvent::kOutOfPlay ||
                        match.matchEvent == MatchEvent::kGoalByA ||
                        match.matchEvent == MatchEvent::kGoalByB;
    NoteRuleFrame(placed);  // a placement starts the kept frame afresh
    const bool continuing = motionBlend.enabled && motionBlend.frameCurrent;
    // During smooth motion the kept frame is the last picture: only around the objects.
    Draw(continuing ? DrawMatchFrameBetween : DrawMatchFrame);
  }
  void WriteGoalCaption(MatchEvent goal) override {
    Draw([goal](DeviceContext* dc) { ::WriteGoalCaption(dc, goal); });
  }
  void DrawCommandPanel() override { Draw(::DrawCommandPanel); }
  void LoadPairingPictures() override {
    LoadTeamSheets(match.sheetBaseA, match.kitA);
    LoadTeamSheets(match.sheetBaseB, match.kitB);
    LoadDarkOverlaySheets(kDarkOverlayFirstSlot);
    LoadCeremonyPictures();
  }

  void DrawClock() override { Draw(::DrawClock); }
  void DrawScoreboard() override { Draw(::DrawScoreboard); }
  void ShowPeriodBreak() override {
    PlaceAllObjects();
    Draw(DrawPeriodBreak);
  }
  void ShowPeriodCaption() override { Draw(DrawPeriodCaption); }
  void ShowRestart() override {
    PlaceAllObjects();
    Draw([](DeviceContext* dc) {
      if (match.periodKind > PeriodKind::kExtraTime) {
        DrawShootOutCaption(dc);
      } else {
        DrawPitchBuffered(dc);
      }
      DrawBall(dc);
    });
  }

  void ShowEntranceStart() override {
    PlaceAllObjects();
    SetUpSupporters();
    Draw(DrawEntranceStart);
  }
  void ShowEntranceStep(bool last) override {
    PlaceAllObjects();
    Draw([last](DeviceContext* dc) { DrawEntranceStep(dc, last); });
  }
  void ShowFixtureCaption() override {
    PlaceAllObjects();
    Draw([](DeviceContext* dc) {
      DrawTunnelClosed(dc);
      DrawFixtureCaption(dc);
    });
  }
  void ShowKickOff() override {
    PlaceAllObjects();
    Draw(DrawKickOffCaption);
  }
  void ShowGoalCelebrationStep(bool last) override {
    PlaceAllObjects();
    Draw([last](DeviceContext* dc) { DrawGoalCelebrationStep(dc, last); });
  }
  void VictoryCelebrationTick() override {
    if (!AdvanceVictoryCelebration()) return;
    DrawInto(celebration_, DrawTeamPhotoFrame);
  }

  void ShowShootOutStart() override {
    PlaceAllObjects();
    Draw([](DeviceContext* dc) {
      DrawPitchBuffered(dc);
      DrawShootOutCaption(dc);
      ::DrawClock(dc);
      ::DrawScoreboard(dc);
      DrawBall(dc);
    });
  }
  void ShowShootOutGoal() override {
    PlaceAllObjects();
    Draw(DrawShootOutGoal);
  }
  // The board is drawn as each kick is set up: the players and the ball stand placed.
  void DrawShootOutBoard() override {
    PlaceAllObjects();
    Draw(::DrawShootOutBoard);
  }

 private:
  template <typename Drawing>
  void Draw(Drawing drawing) {
    DrawInto(window_, drawing);
  }

  platform::Window* window_ = nullptr;
  platform::Window* celebration_ = nullptr;
};

DrawnMatchView& TheView() {
  static DrawnMatchView view;
  return view;
}

}  // namespace

MatchView* PitchMatchView(platform::Window* window) {
  TheView().SetWindow(window);
  return &TheView();
}

void DrawMotionFrame() {
  if (!AdvanceBlend(platform::TickCount())) return;
  DrawInto(TheView().Target(), DrawMatchFrameBetween);
}

void SetCelebrationWindow(platform::Window* dialog) {
  TheView().SetCelebrationWindow(dialog);
}

namespace {
// The windows of the view belong to one start of the platform layer; a reset forgets them.
const bool kPitchViewRegistered = RegisterRecordReset([] {
  TheView().SetWindow(nullptr);
  TheView().SetCelebrationWindow(nullptr);
});
}  // namespace
