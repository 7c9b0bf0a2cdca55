// The platform demo's program: resources, the window procedure and the dialog procedures.
#include <algorithm>
#include <string>

#include "demo.h"

using namespace platform;

namespace demo {

DemoState demoState;

void ResetDemoState() {
  demoState = DemoState{};
}

const std::vector<const char*>& NationLines() {
  static const std::vector<const char*> lines = {
      "日本 Japan",      "韓国 Korea",
      "中国 China",      "イタリア Italy",
      "ドイツ Germany",  "フランス France",
      "スペイン Spain",  "オランダ Netherlands",
      "ブラジル Brazil", "アルゼンチン Argentina",
      "メキシコ Mexico", "ナイジェリア Nigeria",
  };
  return lines;
}

const ResourceTable& DemoResources() {
  static const ResourceTable resources = [] {
    ResourceTable table;
    table.menus.push_back(MenuTemplate{
        "DemoMenu",
        {PopupTemplate{"ファイル",
                       {{"コントロール...", kCmdControls},
                        {"メッセージ...", kCmdMessage},
                        {"ビープ", kCmdBeep},
                        {"サウンド", kCmdSound},
                        {"終了", kCmdExit}}},
         PopupTemplate{"View",
                       {{"Big marker", kCmdBigMarker}, {"Greyed item", kCmdGreyed, true}}}}});
    table.dialogs.push_back(DialogTemplate{
        "DemoDialog",
        DialogFrame::Popup,
        "Controls / コントロール",
        220,
        156,
        {
            {ControlKind::Static, 0, "Static text, left: 左寄せ", 8, 6, 204, 8},
            {ControlKind::StaticCentred, 0, "Centred / 中央寄せ", 8, 16, 204, 8},
            {ControlKind::RadioButton, kIdRadioGround, "Ground / グラウンド", 8, 32, 100, 10},
            {ControlKind::RadioButton, kIdRadioLob, "Lob / ロブ", 8, 44, 100, 10},
            {ControlKind::RadioButton, kIdRadioHigh, "High / 高い", 8, 56, 100, 10},
            {ControlKind::CheckBox, kIdCheckSound, "Sound / サウンド", 8, 74, 100, 10},
            {ControlKind::ListBox, kIdList, "", 116, 32, 96, 60,
             control_flags::kNotify | control_flags::kVScroll},
            {ControlKind::Edit, kIdEdit, "", 8, 100, 204, 12},
            {ControlKind::PushButton, kIdNested, "Nested...", 8, 134, 60, 14},
            {ControlKind::DefPushButton, kIdOk, "OK", 80, 134, 60, 14},
            {ControlKind::PushButton, kIdCancel, "キャンセル", 152, 134, 60, 14},
        }});
    table.dialogs.push_back(
        DialogTemplate{"NestedDialog",
                       DialogFrame::Frameless,
                       "",
                       140,
                       60,
                       {
                           {ControlKind::StaticCentred, kIdNestedText,
                            "A dialog from a dialog / 入れ子", 4, 10, 132, 8},
                           {ControlKind::DefPushButton, kIdOk, "OK", 40, 34, 60, 14},
                       }});
    table.strings.push_back(StringResource{1, "Platform demo / プラットフォームのデモ"});
    IconResource icon{1, 32, 32, std::vector<std::uint32_t>(32 * 32, 0)};
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const int dx = x - 16, dy = y - 16;
        if (dx * dx + dy * dy < 15 * 15) {
          icon.pixels[std::size_t(y * 32 + x)] =
              ((x / 6 + y / 6) % 2 == 0) ? 0xFF202020u : 0xFFF0F0F0u;
        }
      }
    }
    table.icons.push_back(std::move(icon));
    return table;
  }();
  return resources;
}

namespace {

Instance* demoInstance = nullptr;

std::string SelectionText(Window* dialog) {
  const int line = ListGetSelection(dialog, kIdList);
  if (line < 0) return "Selected: none / 選択なし";
  return Format("Selected: %d %s", line, NationLines()[std::size_t(line)]);
}

Param NestedDialogProc(Window* dialog, Msg msg, Param a, Param) {
  if (msg == Msg::InitDialog) return 1;
  if (msg == Msg::Command && (a == kIdOk || a == kIdCancel)) EndDialog(dialog, a);
  return 0;
}

Param ControlsDialogProc(Window* dialog, Msg msg, Param a, Param b) {
  switch (msg) {
    case Msg::InitDialog:
      for (const char* line : NationLines()) ListAddString(dialog, kIdList, line);
      if (demoState.listSelection >= 0) {
        ListSetSelection(dialog, kIdList, demoState.listSelection);
      }
      CheckButton(dialog, demoState.radio, true);
      CheckButton(dialog, kIdCheckSound, demoState.soundChecked);
      SetItemText(dialog, kIdEdit, SelectionText(dialog));
      return 1;
    case Msg::Paint:
      PaintControlsDialog(dialog);
      return 0;
    case Msg::Command:
      switch (int(a)) {
        case kIdRadioGround:
        case kIdRadioLob:
        case kIdRadioHigh:
          for (int id = kIdRadioGround; id <= kIdRadioHigh; ++id) {
            CheckButton(dialog, id, id == int(a));
          }
          return 0;
        case kIdCheckSound:
          CheckButton(dialog, kIdCheckSound, !IsButtonChecked(dialog, kIdCheckSound));
          return 0;
        case kIdList:
          if (b == notify::kListSelChange || b == notify::kListDoubleClick) {
            SetItemText(dialog, kIdEdit, SelectionText(dialog));
          }
          return 0;
        case kIdNested:
          DialogBox(demoInstance, "NestedDialog", dialog, NestedDialogProc);
          return 0;
        case kIdOk:
          for (int id = kIdRadioGround; id <= kIdRadioHigh; ++id) {
            if (IsButtonChecked(dialog, id)) demoState.radio = id;
          }
          demoState.soundChecked = IsButtonChecked(dialog, kIdCheckSound);
          demoState.listSelection = ListGetSelection(dialog, kIdList);
          EndDialog(dialog, kIdOk);
          return 0;
        case kIdCancel:
          EndDialog(dialog, kIdCancel);
          return 0;
        default:
          return 0;
      }
    default:
      return 0;
  }
}

void MoveMarker(Window* window, int dx, int dy) {
  const Rect client = GetClientRect(window);
  demoState.markerX = std::max(0, std::min(client.right - 1, demoState.markerX + dx));
  demoState.markerY = std::max(0, std::min(client.bottom - 1, demoState.markerY + dy));
}

void RunCommand(Window* window, int id) {
  switch (id) {
    case kCmdControls:
      demoState.dialogResult =
          int(DialogBox(demoInstance, "DemoDialog", window, ControlsDialogProc));
      break;
    case kCmdMessage:
      demoState.messageResult =
          MessageBox(window, "メッセージボックスです。\nA message box with a warning icon.",
                     "Message / メッセージ", mb::kOkCancel | mb::kIconWarning);
      break;
    case kCmdBeep:
      MessageBeep();
      break;
    case kCmdSound:
      PlaySound("demo.wav", true);
      break;
    case kCmdExit:
      SendMessage(window, Msg::Close);
      return;
    case kCmdBigMarker:
      demoState.bigMarker = !demoState.bigMarker;
      break;
    default:
      return;
  }
  InvalidateRect(window, nullptr, true);
}

}  // namespace

Param DemoWindowProc(Window* window, Msg msg, Param a, Param b) {
  switch (msg) {
    case Msg::Create:
      demoInstance = reinterpret_cast<const CreateParams*>(b)->instance;
      SetMenu(window, LoadMenu(demoInstance, "DemoMenu"));
      SetTimer(window, kTimerId, kTimerPeriodMs);
      return 0;
    case Msg::Paint:
      PaintDemoWindow(window);
      return 0;
    case Msg::Timer: {
      ++demoState.timerTicks;
      const Rect strip = AnimationStrip();
      InvalidateRect(window, &strip, true);
      return 0;
    }
    case Msg::KeyDown:
      demoState.lastKey = int(a);
      demoState.lastKeyRepeat = b != 0;
      ++demoState.keyDowns;
      if (a == KeyLeft) MoveMarker(window, -kMarkerStep, 0);
      if (a == KeyRight) MoveMarker(window, kMarkerStep, 0);
      if (a == KeyUp) MoveMarker(window, 0, -kMarkerStep);
      if (a == KeyDown) MoveMarker(window, 0, kMarkerStep);
      InvalidateRect(window, nullptr, true);
      return 0;
    case Msg::Char:
      demoState.lastChar = std::uint32_t(a);
      InvalidateRect(window, nullptr, true);
      return 0;
    case Msg::LButtonDown:
    case Msg::LButtonDoubleClick:
      demoState.mouseX = int(a);
      demoState.mouseY = int(b);
      demoState.markerX = int(a);
      demoState.markerY = int(b);
      if (msg == Msg::LButtonDown) ++demoState.clicks;
      if (msg == Msg::LButtonDoubleClick) ++demoState.doubleClicks;
      InvalidateRect(window, nullptr, true);
      return 0;
    case Msg::Command:
      RunCommand(window, int(a));
      return 0;
    case Msg::Close:
      DestroyWindow(window);
      return 0;
    case Msg::Destroy:
      KillTimer(window, kTimerId);
      PostQuitMessage(0);
      return 0;
    default:
      return DefaultWindowProc(window, msg, a, b);
  }
}

int DemoEntry(Instance* instance, const std::string&, int showState) {
  ResetDemoState();
  RegisterValue("markerX", [] { return demoState.markerX; });
  RegisterValue("markerY", [] { return demoState.markerY; });
  RegisterValue("lastKey", [] { return demoState.lastKey; });
  RegisterValue("lastChar", [] { return (long long)demoState.lastChar; });
  RegisterValue("clicks", [] { return demoState.clicks; });
  RegisterValue("doubleClicks", [] { return demoState.doubleClicks; });
  RegisterValue("dialogResult", [] { return demoState.dialogResult; });
  RegisterValue("radio", [] { return demoState.radio; });
  RegisterValue("soundChecked", [] { return demoState.soundChecked ? 1 : 0; });
  RegisterValue("listSelection", [] { return demoState.listSelection; });
  RegisterValue("messageResult", [] { return demoState.messageResult; });

  WindowClass windowClass;
  windowClass.name = "PlatformDemo";
  windowClass.proc = DemoWindowProc;
  windowClass.largeIcon = 1;
  windowClass.background = StockBrush(StockObject::LightGreyBrush);
  RegisterWindowClass(instance, windowClass);
  Window* window = CreateMainWindow(instance, "PlatformDemo", LoadString(instance, 1),
                                    window_style::kCaption | window_style::kSystemMenu,
                                    kDefaultPosition, 0, 900, 600);
  if (window == nullptr) return 0;
  ShowWindow(window, showState);
  UpdateWindow(window);
  QueuedMessage message;
  while (GetMessage(&message)) {
    TranslateMessage(&message);
    DispatchMessage(&message);
  }
  return int(message.a);
}

}  // namespace demo

int main(int argc, char** argv) {
  return RunProgram(argc, argv, demo::DemoResources(), demo::DemoEntry);
}
