// The menu bar: greyed items, the keyboard (F10, Alt, arrows, Enter, Esc), the mouse, and a
// menu out of reach while a modal dialog is open.
#include "platform/core/core.h"
#include "support/core_test_support.h"

namespace core_test {
namespace {

using namespace platform;
namespace hl = platform::headless;

class Menus : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    CreateMain("Main");
    hl::Advance(0);
    Log().clear();
  }
  void Key(int key) {
    hl::KeyDown(key);
    hl::KeyUp(key);
    hl::Advance(0);
  }
  void Click(int x, int y) {
    hl::MouseDown(x, y);
    hl::MouseUp(x, y);
    hl::Advance(0);
  }
  bool Open() const { return detail::Core().menuTracking.open; }
  int Popup() const { return detail::Core().menuTracking.popup; }
  int Item() const { return detail::Core().menuTracking.item; }
};

TEST_F(Menus, GreyedItemsCannotBeChosenUntilEnabled) {
  Menu* menu = GetMenu(main);
  EXPECT_FALSE(IsMenuItemEnabled(menu, 5));
  EXPECT_TRUE(IsMenuItemEnabled(menu, 6));
  EXPECT_FALSE(IsMenuItemEnabled(menu, 99));
  EXPECT_FALSE(hl::ChooseMenuItem(5));
  EXPECT_FALSE(hl::ChooseMenuItem(99));
  EXPECT_TRUE(hl::ChooseMenuItem(6));
  hl::Advance(0);
  EXPECT_EQ(Lines("Command"), (std::vector<std::string>{"Command 6 0"}));

  // With the keyboard: F10 opens GAME on its first item, Pause, which is greyed.
  Key(KeyF10);
  ASSERT_TRUE(Open());
  EXPECT_EQ(Popup(), 0);
  EXPECT_EQ(Item(), 0);
  Key(KeyReturn);
  EXPECT_TRUE(Open());  // nothing chosen, the menu stays
  EXPECT_EQ(Lines("Command").size(), 1u);

  EnableMenuItem(menu, 5, true);
  Key(KeyReturn);
  EXPECT_FALSE(Open());
  EXPECT_EQ(Lines("Command"), (std::vector<std::string>{"Command 6 0", "Command 5 0"}));
}

TEST_F(Menus, TheKeyboardWalksTheBarAndTheItems) {
  Key(KeyF10);
  Key(KeyDown);  // Menu
  Key(KeyDown);  // Exit
  Key(KeyDown);  // wraps to Pause
  EXPECT_EQ(Item(), 0);
  Key(KeyUp);  // wraps to Exit
  EXPECT_EQ(Item(), 2);
  Key(KeyRight);  // SOUND, first item
  EXPECT_EQ(Popup(), 1);
  EXPECT_EQ(Item(), 0);
  Key(KeyRight);  // wraps to GAME
  EXPECT_EQ(Popup(), 0);
  Key(KeyLeft);  // wraps to SOUND
  Key(KeyDown);
  // While the menu is open, keys do not reach the window.
  EXPECT_TRUE(Lines("Key").empty());
  Key(KeyReturn);
  EXPECT_FALSE(Open());
  EXPECT_EQ(Lines("Command"), (std::vector<std::string>{"Command 8 0"}));

  // Esc closes without a command; keys reach the window again.
  Key(KeyF10);
  Key(KeyEscape);
  EXPECT_FALSE(Open());
  Key(KeyLeft);
  EXPECT_EQ(Lines("KeyDown"), (std::vector<std::string>{"KeyDown 37 0"}));
  EXPECT_EQ(Lines("Command").size(), 1u);
}

TEST_F(Menus, AltAloneOpensTheBarButAltWithAnotherKeyDoesNot) {
  hl::KeyDown(KeyAlt);
  hl::KeyDown(KeyA);
  hl::KeyUp(KeyA);
  hl::KeyUp(KeyAlt);
  hl::Advance(0);
  EXPECT_FALSE(Open());
  Key(KeyAlt);
  EXPECT_TRUE(Open());
  Key(KeyAlt);
  EXPECT_FALSE(Open());
}

TEST_F(Menus, TheMouseOpensADropDownAndChoosesAnItem) {
  const Menu* menu = GetMenu(main);
  const Rect sound = detail::MenuTitleRect(menu, 1);
  Click(sound.left + 4, 10);
  ASSERT_TRUE(Open());
  EXPECT_EQ(Popup(), 1);
  EXPECT_EQ(Item(), -1);
  // Sliding to the other title switches the drop-down.
  const Rect game = detail::MenuTitleRect(menu, 0);
  hl::MouseMove(game.left + 4, 10);
  hl::Advance(0);
  EXPECT_EQ(Popup(), 0);
  // A click on the greyed Pause does nothing; a click on Exit chooses it.
  const Rect pause = detail::DropDownItemRect(menu, 0, 0);
  Click(pause.left + 5, pause.top + 5);
  EXPECT_TRUE(Lines("Command").empty());
  const Rect exit = detail::DropDownItemRect(menu, 0, 2);
  Click(exit.left + 5, exit.top + 5);
  EXPECT_FALSE(Open());
  EXPECT_EQ(Lines("Command"), (std::vector<std::string>{"Command 13 0"}));

  // A click outside closes the menu and goes nowhere.
  Click(game.left + 4, 10);
  Click(600, 400);
  EXPECT_FALSE(Open());
  EXPECT_TRUE(Lines("LButton").empty());
}

TEST_F(Menus, TheMenuIsOutOfReachWhileADialogIsOpen) {
  PlaySteps({
      [this] {
        EXPECT_FALSE(hl::ChooseMenuItem(6));
        hl::KeyDown(KeyF10);
        hl::KeyUp(KeyF10);
        hl::MouseDown(detail::MenuTitleRect(GetMenu(main), 0).left + 4, 10);
        hl::MouseUp(detail::MenuTitleRect(GetMenu(main), 0).left + 4, 10);
      },
      [this] {
        EXPECT_FALSE(Open());
        hl::KeyDown(KeyEscape);
      },
  });
  DialogBox(instance, "Buttons", main, [](Window* d, Msg m, Param a, Param) -> Param {
    if (m == Msg::Command && a == kIdCancel) EndDialog(d, 0);
    return m == Msg::InitDialog;
  });
  EXPECT_TRUE(Lines("Command").empty());
  EXPECT_TRUE(Lines("LButton").empty());
}

TEST_F(Menus, DestroyedMenusLeaveTheWindow) {
  Menu* menu = GetMenu(main);
  DestroyMenu(menu);
  EXPECT_EQ(GetMenu(main), nullptr);
  EXPECT_FALSE(IsMenuItemEnabled(menu, 6));
  EXPECT_FALSE(hl::ChooseMenuItem(6));
}

// The check mark: a switch item keeps its state through opening, choosing and greying, and the
// drop-down shows it in the item's left margin, in white on the highlight.
TEST_F(Menus, ACheckedItemShowsItsMarkAndKeepsItsState) {
  Menu* menu = GetMenu(main);
  EXPECT_FALSE(IsMenuItemChecked(menu, 7));
  CheckMenuItem(menu, 7, true);
  CheckMenuItem(menu, 99, true);  // no such item: nothing changes
  EXPECT_TRUE(IsMenuItemChecked(menu, 7));
  EXPECT_FALSE(IsMenuItemChecked(menu, 8));
  EXPECT_FALSE(IsMenuItemChecked(menu, 99));

  // Count the dark pixels in the margin left of each item's text.
  const auto marginInk = [](Color ink) {
    detail::Surface frame;
    detail::ComposeFrame(&frame);
    const Menu* m = detail::Core().mainWindow->menu;
    std::vector<int> counts;
    for (int item = 0; item < 2; ++item) {
      const Rect r = detail::DropDownItemRect(m, 1, item);
      int count = 0;
      for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.left + 14; ++x) {
          if (frame.Row(y)[x] == ink) ++count;
        }
      }
      counts.push_back(count);
    }
    return counts;
  };
  Key(KeyF10);
  Key(KeyRight);  // SOUND open, Sound On highlighted
  const std::vector<int> highlighted = marginInk(Rgb(255, 255, 255));
  EXPECT_GT(highlighted[0], 10);
  EXPECT_EQ(highlighted[1], 0);
  Key(KeyDown);  // Sound Off highlighted: the mark of Sound On turns black
  const std::vector<int> plain = marginInk(Rgb(0, 0, 0));
  EXPECT_EQ(plain[0], highlighted[0]);
  EXPECT_EQ(plain[1], 0);

  // Choosing an item does not check it: the program decides.
  Key(KeyReturn);
  EXPECT_EQ(Lines("Command"), (std::vector<std::string>{"Command 8 0"}));
  EXPECT_TRUE(IsMenuItemChecked(menu, 7));
  EXPECT_FALSE(IsMenuItemChecked(menu, 8));
  CheckMenuItem(menu, 7, false);
  CheckMenuItem(menu, 8, true);
  EnableMenuItem(menu, 8, false);
  EXPECT_TRUE(IsMenuItemChecked(menu, 8));  // greying keeps the mark
  Key(KeyF10);
  Key(KeyRight);
  EXPECT_EQ(marginInk(Rgb(255, 255, 255))[0], 0);   // Sound On (highlighted) has lost its mark
  EXPECT_GT(marginInk(Rgb(128, 128, 128))[1], 10);  // greyed Sound Off: a grey mark
  DestroyMenu(menu);
  EXPECT_FALSE(IsMenuItemChecked(menu, 8));
}

// Losing the focus closes an open drop-down and tells the main window it is inactive; a pad
// pulled out says so with its own reason; the focus back makes it active again.
TEST_F(Menus, LosingTheFocusClosesTheMenuAndTellsTheMainWindow) {
  Key(KeyF10);
  ASSERT_TRUE(Open());
  hl::LoseFocus();
  hl::Advance(0);
  EXPECT_FALSE(Open());
  hl::RemovePad();
  hl::GainFocus();
  hl::Advance(0);
  EXPECT_EQ(Lines("Activate"),
            (std::vector<std::string>{"Activate 0 0", "Activate 0 1", "Activate 1 0"}));
  // Alt pressed before the loss and released after it does not open the menu.
  hl::KeyDown(KeyAlt);
  hl::LoseFocus();
  hl::KeyUp(KeyAlt);
  hl::Advance(0);
  EXPECT_FALSE(Open());
}

}  // namespace
}  // namespace core_test
