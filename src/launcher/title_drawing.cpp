// Painting the launcher's window and drawing its title.
#include "launcher/title_drawing.h"

#include <algorithm>
#include <string_view>

#include "launcher/launcher_state.h"

namespace {

constexpr platform::Point kPictureAt[kLauncherPictureCount] = {
    {0, 0}, {410, 0}, {0, 270}, {410, 270}};

}  // namespace

int FirstLineShown(std::int32_t firstLetters) {
  return std::min<int>(int(sizeof kTitleFirstLine) - 1, firstLetters + 1);
}

int SecondLineShown(std::int32_t secondLetters) {
  if (secondLetters == 0) return 0;
  return std::min<int>(int(sizeof kTitleSecondLine) - 1, secondLetters + 1);
}

void DrawTitle(platform::DeviceContext* dc, std::int32_t firstLetters, std::int32_t secondLetters) {
  if (dc == nullptr) return;
  platform::Font* font =
      platform::CreateFont(platform::FontSpec{kTitleLetterWidth, kTitleLetterWidth, 24});
  platform::Font* previous = platform::SelectFont(dc, font);
  platform::SetBkMode(dc, platform::BkMode::Transparent);
  platform::SetTextColor(dc, kTitleColour);
  const std::string_view first(kTitleFirstLine);
  platform::TextOut(dc, kFirstLineAt.x, kFirstLineAt.y,
                    first.substr(0, std::size_t(FirstLineShown(firstLetters))));
  if (const int shown = SecondLineShown(secondLetters); shown > 0) {
    const std::string_view second(kTitleSecondLine);
    platform::TextOut(dc, kSecondLineAt.x, kSecondLineAt.y, second.substr(0, std::size_t(shown)));
  }
  platform::SelectFont(dc, previous);
  platform::DeleteObject(font);
}

void PaintLauncherWindow(platform::Window* window) {
  platform::PaintInfo paint;
  platform::DeviceContext* dc = platform::BeginPaint(window, &paint);
  platform::DeviceContext* frame = platform::CreateCompatibleDC(dc);
  platform::Bitmap* bitmap = platform::CreateCompatibleBitmap(dc, kFrameWidth, kFrameHeight);
  platform::Bitmap* previous = platform::SelectBitmap(frame, bitmap);
  platform::FillRect(frame, platform::Rect{0, 0, kFrameWidth, kFrameHeight},
                     platform::StockBrush(platform::StockObject::BlackBrush));
  for (int i = 0; i < kLauncherPictureCount && i < int(launcher.pictures.size()); ++i) {
    const Picture& picture = launcher.pictures[std::size_t(i)];
    if (picture) {
      platform::DibToDevice(frame, kPictureAt[i].x, kPictureAt[i].y, picture.bytes, picture.size);
    }
  }
  if (launcher.firstLetters != 0) {
    DrawTitle(frame, launcher.firstLetters, launcher.secondLetters);
  }
  platform::SelectFont(frame, platform::StockFont(platform::StockObject::SystemFixedFont));
  platform::SetBkMode(frame, platform::BkMode::Opaque);
  platform::SetBkColor(frame, kFolderBackground);
  platform::SetTextColor(frame, platform::Rgb(0, 0, 0));
  platform::TextOut(frame, 10, 10, launcher.folderArgument);
  platform::BitBlt(dc, 0, 0, kFrameWidth, kFrameHeight, frame, 0, 0, platform::Rop::SrcCopy);
  platform::SelectBitmap(frame, previous);
  platform::DeleteObject(bitmap);
  platform::DeleteDC(frame);
  platform::EndPaint(window, &paint);
}
