// Modal dialogs: nesting, timers and paints of the main window meanwhile, the dialog keys,
// radio buttons and check boxes, list boxes, mouse presses and message boxes.
#include "platform/core/core.h"
#include "support/core_test_support.h"

namespace core_test {
namespace {

using namespace platform;
namespace hl = platform::headless;

// A dialog procedure that logs what it gets, prefixed with the template name, and ends the
// dialog on OK (with 1) and on Cancel (with 2).
Param LoggingDialogProc(Window* dialog, Msg msg, Param a, Param b) {
  if (msg == Msg::Paint || msg == Msg::Destroy) return 0;
  Log().push_back(std::string(DialogTemplateName(dialog)) + ": " + Describe(msg, a, b));
  if (msg == Msg::InitDialog) return 1;
  if (msg == Msg::Command && (a == kIdOk || a == kIdCancel)) EndDialog(dialog, a);
  return 0;
}

class Dialogs : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    CreateMain();
    hl::Advance(0);
    Log().clear();
  }
  Param Open(const char* name, DialogProc proc = LoggingDialogProc) {
    return DialogBox(instance, name, main, proc);
  }
};

Param OuterProc(Window* dialog, Msg msg, Param a, Param /*b*/) {
  if (msg == Msg::InitDialog) return 1;
  if (msg != Msg::Command) return 0;
  if (a == 10) {
    Log().push_back("outer opens inner");
    const Param inner = DialogBox(dialog->instance, "Inner", dialog, LoggingDialogProc);
    Log().push_back("inner returned " + std::to_string(inner));
  } else if (a == kIdOk) {
    EndDialog(dialog, 11);
  }
  return 0;
}

TEST_F(Dialogs, ADialogOpenedFromADialogRunsNestedAndReturnsInOrder) {
  SetTimer(main, 1, 10);
  PlaySteps({
      [] { EXPECT_TRUE(hl::PressControl(10)); },
      [] {
        EXPECT_EQ(DialogTemplateName(TopDialog()), "Inner");
        hl::Advance(30);
      },
      [] {
        // The outer dialog is disabled while the inner one runs: a click on it only beeps.
        Window* outer = nullptr;
        for (Window* d : detail::Core().dialogs) {
          if (DialogTemplateName(d) == "Outer") outer = d;
        }
        ASSERT_NE(outer, nullptr);
        hl::MouseDown(outer->screen.left + 2, outer->screen.top + 2);
        hl::MouseUp(outer->screen.left + 2, outer->screen.top + 2);
      },
      [] {
        EXPECT_EQ(DialogTemplateName(TopDialog()), "Inner");
        hl::KeyDown(KeyReturn);
      },
      [] {
        EXPECT_EQ(DialogTemplateName(TopDialog()), "Outer");
        EXPECT_TRUE(hl::PressControl(kIdOk));
      },
  });
  EXPECT_EQ(Open("Outer", OuterProc), 11);
  EXPECT_EQ(TopDialog(), nullptr);
  const auto order = Lines("outer");
  ASSERT_EQ(Lines("inner returned").size(), 1u);
  EXPECT_EQ(Lines("inner returned")[0], "inner returned 1");
  EXPECT_EQ(Lines("Inner: Command"), (std::vector<std::string>{"Inner: Command 1 0"}));
  // The main window kept its timer while both dialogs were open.
  EXPECT_EQ(Lines("Timer 1").size(), 3u);
}

// Logs the argument each dialog was opened with; button 10 opens "Inner" from inside with 99.
Param ArgumentProc(Window* dialog, Msg msg, Param a, Param b) {
  if (msg == Msg::InitDialog) {
    Log().push_back("opened " + std::string(DialogTemplateName(dialog)) + " with " +
                    std::to_string(b));
    return 1;
  }
  if (msg != Msg::Command) return 0;
  if (a == 10) DialogBoxParam(dialog->instance, "Inner", dialog, ArgumentProc, 99);
  if (a == kIdOk) EndDialog(dialog, a);
  return 0;
}

TEST_F(Dialogs, EachDialogLearnsItsOwnArgumentFromInitDialog) {
  PlaySteps({
      [] { EXPECT_TRUE(hl::PressControl(10)); },
      [] { EXPECT_TRUE(hl::PressControl(kIdOk)); },  // Inner
      [] { EXPECT_TRUE(hl::PressControl(kIdOk)); },  // Outer
      [] { EXPECT_TRUE(hl::PressControl(kIdOk)); },  // Outer without an argument
  });
  EXPECT_EQ(DialogBoxParam(instance, "Outer", main, ArgumentProc, -1234), kIdOk);
  EXPECT_EQ(DialogBox(instance, "Outer", main, ArgumentProc), kIdOk);
  EXPECT_EQ(Lines("opened"),
            (std::vector<std::string>{"opened Outer with -1234", "opened Inner with 99",
                                      "opened Outer with 0"}));
  EXPECT_EQ(DialogBoxParam(instance, "Nowhere", main, ArgumentProc, 5), -1);
}

TEST_F(Dialogs, TheMainWindowKeepsTimersAndPaintsWhileADialogIsOpen) {
  SetTimer(main, 1, 10);
  PlaySteps({
      [] { hl::Advance(50); },
      [this] {
        InvalidateRect(main, nullptr, false);
        hl::Advance(1);
      },
      [] { hl::PressControl(5); },
      [] { hl::KeyDown(KeyEscape); },
  });
  EXPECT_EQ(Open("Buttons"), kIdCancel);
  EXPECT_EQ(Lines("Timer 1").size(), 5u);
  EXPECT_EQ(Lines("Paint").size(), 1u);
  // Keys went to the dialog, not to the main window.
  EXPECT_TRUE(Lines("KeyDown").empty());
}

// F1 asks the main window for help wherever the keys go: from the main window itself and from
// an open dialog, which sees nothing of it; its auto-repeat and its release reach no one.
TEST_F(Dialogs, TheHelpKeyReachesTheMainWindowAlsoFromADialog) {
  hl::KeyDown(KeyF1);
  hl::KeyDown(KeyF1, true);
  hl::KeyUp(KeyF1);
  hl::Advance(0);
  EXPECT_EQ(Log(), (std::vector<std::string>{"Help"}));
  Log().clear();
  PlaySteps({[] {
               hl::KeyDown(KeyF1);
               hl::KeyUp(KeyF1);
               hl::Advance(1);
             },
             [] { hl::KeyDown(KeyEscape); }});
  EXPECT_EQ(Open("Buttons"), kIdCancel);
  EXPECT_EQ(Lines("Help").size(), 1u);
  EXPECT_TRUE(Lines("Buttons: KeyDown").empty());
  EXPECT_TRUE(Lines("KeyDown").empty());
  EXPECT_TRUE(Lines("KeyUp").empty());
}

TEST_F(Dialogs, EnterPressesTheDefaultOrFocusedButtonAndEscSendsCancel) {
  PlaySteps({
      [] { hl::KeyDown(KeyReturn); },
      [] { hl::KeyDown(KeyTab); },  // focus from Five (default) to Six
      [] { hl::KeyDown(KeyReturn); },
      [] {
        hl::KeyDown(KeyShift);
        hl::KeyDown(KeyTab);
        hl::KeyUp(KeyShift);
      },
      [] { hl::KeyDown(KeySpace); },
      [] { hl::KeyDown(KeyEscape); },
  });
  EXPECT_EQ(Open("Buttons"), kIdCancel);
  EXPECT_EQ(Lines("Buttons: Command"),
            (std::vector<std::string>{"Buttons: Command 5 0", "Buttons: Command 6 0",
                                      "Buttons: Command 5 0", "Buttons: Command 2 0"}));

  // With the focus on a push button Enter presses that one; with no default button and no
  // focused button it sends OK.
  Log().clear();
  PlaySteps({[] { hl::KeyDown(KeyReturn); }, [] { hl::KeyDown(KeyEscape); }});
  EXPECT_EQ(Open("Plain"), kIdCancel);
  Log().clear();
  PlaySteps({[] { hl::KeyDown(KeyReturn); }});
  EXPECT_EQ(Open("Plain",
                 [](Window* dialog, Msg msg, Param a, Param b) -> Param {
                   LoggingDialogProc(dialog, msg, a, b);
                   return 0;  // no default focus
                 }),
            kIdOk);
  EXPECT_EQ(Lines("Plain: Command"), (std::vector<std::string>{"Plain: Command 1 0"}));
}

Param ChoicesProc(Window* dialog, Msg msg, Param a, Param b) {
  LoggingDialogProc(dialog, msg, a, b);
  if (msg == Msg::InitDialog) CheckButton(dialog, 26, true);
  if (msg == Msg::Command && a == 25) {
    CheckButton(dialog, 25, true);
    CheckButton(dialog, 26, false);
  }
  return msg == Msg::InitDialog ? 1 : 0;
}

TEST_F(Dialogs, RadioButtonsAndCheckBoxesAreCheckedOnlyByTheProcedure) {
  PlaySteps({
      [] {
        EXPECT_TRUE(IsButtonChecked(TopDialog(), 26));
        EXPECT_TRUE(hl::PressControl(30));  // the procedure ignores the check box
      },
      [] {
        EXPECT_FALSE(IsButtonChecked(TopDialog(), 30));
        const Point p = ControlCentre(25);
        hl::MouseDown(p.x, p.y);
        hl::MouseUp(p.x, p.y);
      },
      [] {
        EXPECT_TRUE(IsButtonChecked(TopDialog(), 25));
        EXPECT_FALSE(IsButtonChecked(TopDialog(), 26));
        // Pressed on the radio button, released outside it: no click.
        const Point p = ControlCentre(26);
        hl::MouseDown(p.x, p.y);
        hl::MouseUp(p.x, p.y + 40);
      },
      [] {
        hl::KeyDown(KeyTab);  // focus 25 -> 26 -> ... Tab moves in template order
        hl::KeyDown(KeySpace);
      },
      [] { hl::PressControl(kIdOk); },
  });
  EXPECT_EQ(Open("Choices", ChoicesProc), kIdOk);
  EXPECT_EQ(Lines("Choices: Command"),
            (std::vector<std::string>{"Choices: Command 30 0", "Choices: Command 25 0",
                                      "Choices: Command 30 0", "Choices: Command 1 0"}));
}

Param ListProc(Window* dialog, Msg msg, Param a, Param b) {
  LoggingDialogProc(dialog, msg, a, b);
  if (msg == Msg::InitDialog) {
    for (int i = 0; i < 20; ++i)
      EXPECT_EQ(ListAddString(dialog, 16, "Nation " + std::to_string(i)), i);
    SetFocusItem(dialog, 16);
    return 0;
  }
  return 0;
}

TEST_F(Dialogs, ListBoxSelectionByKeyboardByMouseAndByScript) {
  std::vector<int> selections;
  auto selection = [&] { selections.push_back(ListGetSelection(TopDialog(), 16)); };
  PlaySteps({
      [&] {
        selection();         // none yet
        hl::KeyDown(KeyUp);  // the first key selects the first line
      },
      [&] {
        selection();
        hl::KeyDown(KeyUp);  // already at the top: no change, no notification
      },
      [&] { hl::KeyDown(KeyEnd); },
      [&] {
        selection();
        // Scrolled so that the last line shows at the bottom.
        const detail::Control* list = detail::FindControl(TopDialog(), 16);
        EXPECT_EQ(list->topLine, 20 - detail::ListVisibleLines(*list));
        hl::KeyDown(KeyPageUp);
      },
      [&] {
        selection();
        hl::KeyDown(KeyHome);
      },
      [&] {
        selection();
        EXPECT_TRUE(hl::SelectListLine(16, 5));
        EXPECT_FALSE(hl::SelectListLine(16, 20));
        EXPECT_FALSE(hl::SelectListLine(1, 0));
      },
      [&] {
        selection();
        // A click on the third visible line.
        const detail::Control* list = detail::FindControl(TopDialog(), 16);
        const Rect area = detail::ListTextArea(*list);
        Window* top = TopDialog();
        hl::MouseDown(top->screen.left + area.left + 5, top->screen.top + area.top + 2 * 16 + 3);
        hl::MouseUp(top->screen.left + area.left + 5, top->screen.top + area.top + 2 * 16 + 3);
      },
      [&] {
        selection();
        hl::KeyDown(KeyReturn);
      },
  });
  EXPECT_EQ(Open("List", ListProc), kIdOk);
  const int visible = 8;  // 70 units = 140 pixels: 8 whole lines
  EXPECT_EQ(selections, (std::vector<int>{-1, 0, 19, 19 - (visible - 1), 0, 5, 2}));
  EXPECT_EQ(
      Lines("List: Command 16"),
      (std::vector<std::string>{"List: Command 16 1", "List: Command 16 1", "List: Command 16 1",
                                "List: Command 16 1", "List: Command 16 1", "List: Command 16 1"}));
}

TEST_F(Dialogs, TheScrollBarMovesTheLinesButNotTheSelection) {
  // Frame coordinates of a point in the list's scroll bar, `dy` pixels below its top.
  auto bar = [](int dy) {
    Window* top = TopDialog();
    const Rect r = detail::ListScrollBarRect(*detail::FindControl(top, 16));
    return Point{top->screen.left + r.left + 8, top->screen.top + r.top + dy};
  };
  auto topLine = [] { return detail::FindControl(TopDialog(), 16)->topLine; };
  auto click = [](Point p) {
    hl::MouseDown(p.x, p.y);
    hl::MouseUp(p.x, p.y);
  };
  std::vector<int> tops;
  PlaySteps({
      [&] {
        EXPECT_TRUE(detail::ListHasScrollBar(*detail::FindControl(TopDialog(), 16)));
        click(bar(4));  // the up arrow at the top does nothing
      },
      [&] {
        tops.push_back(topLine());
        const Rect r = detail::ListScrollBarRect(*detail::FindControl(TopDialog(), 16));
        click(bar(r.Height() - 4));  // the down arrow
      },
      [&] {
        tops.push_back(topLine());
        const Rect thumb = detail::ListThumbRect(*detail::FindControl(TopDialog(), 16));
        const Rect r = detail::ListScrollBarRect(*detail::FindControl(TopDialog(), 16));
        click(bar(thumb.bottom - r.top + 2));  // the track below the thumb: a page down
      },
      [&] {
        tops.push_back(topLine());
        // Drag the thumb to the very bottom.
        const Rect thumb = detail::ListThumbRect(*detail::FindControl(TopDialog(), 16));
        const Rect r = detail::ListScrollBarRect(*detail::FindControl(TopDialog(), 16));
        const Point from = bar(thumb.top - r.top + 2);
        hl::MouseDown(from.x, from.y);
        hl::MouseMove(from.x, from.y + 500);
        hl::MouseUp(from.x, from.y + 500);
      },
      [&] {
        tops.push_back(topLine());
        EXPECT_EQ(ListGetSelection(TopDialog(), 16), -1);
        hl::KeyDown(KeyEscape);
      },
  });
  EXPECT_EQ(Open("List", ListProc), kIdCancel);
  EXPECT_EQ(tops, (std::vector<int>{0, 1, 8, 12}));
  EXPECT_TRUE(Lines("List: Command 16").empty());
}

TEST_F(Dialogs, MessageBoxesReturnWhatWasPressed) {
  PlaySteps({[] {
    EXPECT_EQ(DialogTemplateName(TopDialog()), "messagebox");
    EXPECT_EQ(GetWindowTitle(TopDialog()), "ゲームの終了");
    hl::KeyDown(KeyReturn);
  }});
  EXPECT_EQ(MessageBox(main, "終了しますか?", "ゲームの終了", mb::kOkCancel | mb::kIconWarning),
            kIdOk);
  PlaySteps({[] { hl::KeyDown(KeyEscape); }});
  EXPECT_EQ(MessageBox(main, "終了しますか?", "ゲームの終了", mb::kOkCancel | mb::kIconWarning),
            kIdCancel);
  PlaySteps({[] { hl::PressControl(kIdCancel); }});
  EXPECT_EQ(MessageBox(main, "text", "caption", mb::kOkCancel), kIdCancel);
  // OK alone: Esc means OK, and there is no Cancel button to press.
  PlaySteps({[] {
    EXPECT_FALSE(hl::PressControl(kIdCancel));
    hl::KeyDown(KeyEscape);
  }});
  EXPECT_EQ(MessageBox(main, "データファイル エラー", "エラー No. 00", mb::kOk | mb::kIconWarning),
            kIdOk);
}

Param SiblingProc(Window* dialog, Msg msg, Param a, Param /*b*/) {
  if (msg == Msg::InitDialog) return 1;
  if (msg != Msg::Command) return 0;
  Log().push_back(std::string(DialogTemplateName(dialog)) + " " + std::to_string(a));
  if (a == 10) {
    // Opened with the main window as owner, so the opener stays within reach.
    const Param inner = DialogBox(dialog->instance, "Inner", MainWindow(), LoggingDialogProc);
    Log().push_back("inner returned " + std::to_string(inner));
  } else if (a == kIdOk) {
    EndDialog(dialog, 11);
  }
  return 0;
}

TEST_F(Dialogs, AClickOnADialogBelowThatIsNotDisabledBringsItToTheTop) {
  Point outerOk;
  PlaySteps({
      [&] {
        outerOk = ControlCentre(kIdOk);
        EXPECT_TRUE(hl::PressControl(10));
      },
      [&] {
        EXPECT_EQ(DialogTemplateName(TopDialog()), "Inner");
        hl::MouseDown(outerOk.x, outerOk.y);
        hl::MouseUp(outerOk.x, outerOk.y);
      },
      [] {
        // The outer dialog has ended; its loop returns once the inner one is done.
        EXPECT_EQ(DialogTemplateName(TopDialog()), "Inner");
        hl::KeyDown(KeyEscape);
      },
  });
  EXPECT_EQ(Open("Outer", SiblingProc), 11);
  EXPECT_EQ(Lines("Outer"), (std::vector<std::string>{"Outer 10", "Outer 1"}));
  EXPECT_EQ(Lines("inner returned"), (std::vector<std::string>{"inner returned 2"}));
}

TEST_F(Dialogs, QuittingEndsEveryOpenDialogAndReachesTheMainLoop) {
  PlaySteps({[] { hl::PressControl(10); },
             [] {
               EXPECT_EQ(DialogTemplateName(TopDialog()), "Inner");
               PostQuitMessage(5);
             }});
  EXPECT_EQ(Open("Outer", OuterProc), 0);
  EXPECT_EQ(Lines("inner returned"), (std::vector<std::string>{"inner returned 0"}));
  EXPECT_EQ(RunLoop(), 5);
}

TEST_F(Dialogs, AMessageBoxIsSizedToItsText) {
  std::vector<Rect> sizes;
  auto measure = [&] {
    sizes.push_back(TopDialog()->screen);
    hl::KeyDown(KeyReturn);
  };
  PlaySteps({measure, measure, measure});
  MessageBox(main, "短い", "", mb::kOk);
  MessageBox(main, "現在進行中のゲームを中止して終了しますか? (a longer text)", "", mb::kOk);
  MessageBox(main, "one\ntwo\nthree", "", mb::kOk | mb::kIconWarning);
  ASSERT_EQ(sizes.size(), 3u);
  EXPECT_GT(sizes[1].Width(), sizes[0].Width());
  EXPECT_GE(sizes[1].Width(),
            DisplayCells("現在進行中のゲームを中止して終了しますか? (a longer text)") * 8);
  EXPECT_GT(sizes[2].Height(), sizes[0].Height() + 2 * 16 - 1);
}

TEST_F(Dialogs, AMissingTemplateOpensNothing) {
  EXPECT_EQ(Open("Nowhere"), -1);
}

TEST_F(Dialogs, DialogsAreCentredOverTheClientAreaAndDrawnWithTheirControls) {
  PlaySteps({[] {
    Window* top = TopDialog();
    const Rect client = GetClientScreenRect(MainWindow());
    // 160 × 80 units: 320 × 160 pixels plus the frame and caption.
    EXPECT_EQ(top->screen.Width(), 320);
    EXPECT_EQ(top->screen.Height(), 160);
    EXPECT_NEAR((top->outer.left + top->outer.right) / 2, (client.left + client.right) / 2, 1);
    EXPECT_NEAR((top->outer.top + top->outer.bottom) / 2, (client.top + client.bottom) / 2, 1);
    detail::Surface frame;
    detail::ComposeFrame(&frame);
    // The caption bar is dark blue; the client area grey; the default button has a black
    // border and a white top-left bevel inside it.
    EXPECT_EQ(frame.Row(top->outer.top + 5)[top->outer.right - 6], Rgb(0, 0, 128));
    EXPECT_EQ(frame.Row(top->screen.top + 2)[top->screen.left + 2], kFaceGrey);
    const detail::Control* five = detail::FindControl(top, 5);
    const int x = top->screen.left + five->rect.left;
    const int y = top->screen.top + five->rect.top;
    EXPECT_EQ(frame.Row(y)[x + 10], Rgb(0, 0, 0));
    EXPECT_EQ(frame.Row(y + 1)[x + 10], Rgb(255, 255, 255));
    EXPECT_EQ(frame.Row(five->rect.Height() - 1 + y)[x + 10], Rgb(0, 0, 0));
    hl::KeyDown(KeyEscape);
  }});
  Open("Buttons");
}

}  // namespace
}  // namespace core_test
