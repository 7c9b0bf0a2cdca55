// The pitch view: what the rules ask of the screen, drawn with the pitch drawing.
#include "presentation/pitch_match_view.h"

#include "match/match_setup.h"
#include "match/match_state.h"
#include "presentation/bitmap_store.h"
#include "presentation/caption_drawing.h"
#include "presentation/ceremony_drawing.h"
#include "presentation/command_panel.h"
#include "presentation/goal_caption.h"
#include "presentation/pitch_drawing.h"
#include "presentation/shoot_out_board.h"

namespace {

class DrawnMatchView final : public MatchView {
 public:
  void ShowGoal(platform::DeviceContext* dc, int matchEvent) override {
    DrawGoalScene(dc, matchEvent);
  }
  void ShowScore(platform::DeviceContext* dc) override { DrawGoalScoreboard(dc); }
  void RedrawFrame(platform::DeviceContext* dc) override { DrawMatchFrame(dc); }
  void WriteGoalCaption(platform::DeviceContext* dc, int matchEvent) override {
    ::WriteGoalCaption(dc, matchEvent);
  }
  void DrawCommandPanel(platform::DeviceContext* dc) override { ::DrawCommandPanel(dc); }
  void LoadPairingPictures() override {
    LoadTeamSheets(match.sheetBaseA, match.kitA);
    LoadTeamSheets(match.sheetBaseB, match.kitB);
    LoadDarkOverlaySheets(kDarkOverlayFirstSlot);
    LoadCeremonyPictures();
  }

  void DrawClock(platform::DeviceContext* dc) override { ::DrawClock(dc); }
  void ShowPeriodBreak(platform::DeviceContext* dc) override { DrawPeriodBreak(dc); }

  void ShowEntranceStart(platform::DeviceContext* dc) override {
    SetUpSupporters();
    DrawEntranceStart(dc);
  }
  void ShowEntranceStep(platform::DeviceContext* dc, bool last) override {
    DrawEntranceStep(dc, last);
  }
  void ShowFixtureCaption(platform::DeviceContext* dc) override { DrawFixtureCaption(dc); }
  void ShowKickOff(platform::DeviceContext* dc) override { DrawKickOffCaption(dc); }
  void ShowGoalCelebrationStep(platform::DeviceContext* dc, bool last) override {
    DrawGoalCelebrationStep(dc, last);
  }

  void ShowShootOutGoal(platform::DeviceContext* dc) override { DrawShootOutGoal(dc); }
  void DrawShootOutBoard(platform::DeviceContext* dc) override { ::DrawShootOutBoard(dc); }
};

}  // namespace

MatchView* PitchMatchView() {
  static DrawnMatchView view;
  return &view;
}
