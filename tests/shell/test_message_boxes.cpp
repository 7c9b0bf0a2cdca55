// Every message box the game shows, brought up the way the player brings it up: each of its
// buttons holds its label with a margin on both sides, measured in the font the label is drawn
// in, and lies inside the box.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "base/record_resets.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "resources/feldo_resources.h"
#include "savegame/campaign_file.h"
#include "shell/game_flow.h"
#include "shell/main_window.h"
#include "support/campaign_stages.h"
#include "support/game_window.h"

namespace {

namespace hl = platform::headless;

constexpr int kLabelMargin = 8;  // at the least, between a label and either edge of its button

struct Box {
  const char* what;
  bool withArchive;            // GDAT.DAT in the game folder
  int okFirst;                 // how many boxes are answered OK before the one looked for
  std::function<void()> show;  // what the player does
};

void PrintTo(const Box& box, std::ostream* out) {
  *out << box.what;
}

class MessageBoxes : public ::testing::TestWithParam<Box> {
 protected:
  void SetUp() override { folder_.emplace(GetParam().withArchive); }
  void TearDown() override { folder_.reset(); }

  std::optional<game_window::TestFolder> folder_;
  int boxes_ = 0;

 public:
  // A message box in front is measured and answered Cancel (OK when that is its only button, or
  // while the case answers OK); any other dialog is left with Esc.
  void Idle() {
    platform::Window* top = platform::TopDialog();
    if (top == nullptr) {
      hl::Advance(10);
      return;
    }
    if (platform::DialogTemplateName(top) == "messagebox") {
      Measure(top);
      if (boxes_ <= GetParam().okFirst || !hl::PressControl(platform::kIdCancel)) {
        hl::PressControl(platform::kIdOk);
      }
      return;
    }
    hl::KeyDown(platform::KeyEscape);
    hl::KeyUp(platform::KeyEscape);
  }

  void Measure(platform::Window* box) {
    ++boxes_;
    const platform::Rect client = platform::GetClientScreenRect(box);
    platform::DeviceContext* dc = platform::GetDC(box);
    platform::SelectFont(dc, platform::StockFont(platform::StockObject::SystemFixedFont));
    for (int id : {platform::kIdOk, platform::kIdCancel}) {
      const platform::Rect r = platform::GetItemRect(box, id);
      if (r.right <= r.left) continue;
      const std::string label = platform::GetItemText(box, id);
      const int textWidth = platform::GetTextExtent(dc, label).x;
      EXPECT_GE(r.right - r.left, textWidth + 2 * kLabelMargin) << GetParam().what << ": " << label;
      EXPECT_GE(r.left, 0) << label;
      EXPECT_LE(r.right, client.right - client.left) << label;
      EXPECT_LE(r.bottom, client.bottom - client.top) << label;
    }
    platform::ReleaseDC(box, dc);
  }
};

// The fixture of the running test, which answers the dialogs.
MessageBoxes* answering = nullptr;

// The game's window; its start-up menu is left with Esc (the archive checked before it).
platform::Window* OpenGameWindow() {
  return game_window::Open(
      1, [](std::optional<std::uint64_t>) { answering->Idle(); }, false);
}

void Command(int id) {
  platform::SendMessage(shellState.mainWindow, platform::Msg::Command, id);
}

TEST_P(MessageBoxes, HoldTheirButtonLabelsWithAMargin) {
  answering = this;
  GetParam().show();
  hl::Advance(100);
  EXPECT_GT(boxes_, GetParam().okFirst) << GetParam().what << ": no message box came";
}

const Box kBoxes[] = {
    {"the archive cannot be read", false, 0, [] { OpenGameWindow(); }},
    {"closing during a campaign", true, 0,
     [] {
       OpenGameWindow();
       BuildCampaignAt(CampaignStage::kQualifying, 2);
       platform::SendMessage(shellState.mainWindow, platform::Msg::Close);
     }},
    {"a new campaign over one in progress", true, 0,
     [] {
       OpenGameWindow();
       BuildCampaignAt(CampaignStage::kQualifying, 2);
       Command(CommandId::kNewCampaign);
     }},
    {"the save question", true, 0,
     [] {
       OpenGameWindow();
       BuildCampaignAt(CampaignStage::kQualifying, 2);
       Command(CommandId::kSaveCampaign);
     }},
    {"a failed save", true, 1,
     [] {
       OpenGameWindow();
       BuildCampaignAt(CampaignStage::kQualifying, 2);
       hl::LimitFileWrites(100);
       Command(CommandId::kSaveCampaign);  // the question answered OK, then the failure
     }},
    {"a failed load", true, 0,
     [] {
       OpenGameWindow();
       Command(CommandId::kLoadCampaign);
     }},
    {"a load that changes the level", true, 0,
     [] {
       OpenGameWindow();
       BuildCampaignAt(CampaignStage::kQualifying, 2);
       ASSERT_TRUE(SaveCampaign(kCampaignFileName));
       gameFlow.level = 3;
       Command(CommandId::kLoadCampaign);
     }},
};

INSTANTIATE_TEST_SUITE_P(TheGame, MessageBoxes, ::testing::ValuesIn(kBoxes),
                         [](const ::testing::TestParamInfo<Box>& info) {
                           std::string name;
                           for (const char* c = info.param.what; *c != 0; ++c) {
                             if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                           }
                           return name;
                         });

}  // namespace
