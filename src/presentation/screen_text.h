// Small text helpers shared by the captions and the screens: a font made for one call and
// deleted after it, and text in a colour that puts the old text colour back.
#pragma once

#include <string_view>

#include "platform/platform.h"

class ScopedFont {
 public:
  ScopedFont(platform::DeviceContext* dc, platform::FontSpec spec)
      : dc_(dc), font_(platform::CreateFont(spec)), previous_(platform::SelectFont(dc, font_)) {}
  ~ScopedFont() {
    platform::SelectFont(dc_, previous_);
    platform::DeleteObject(font_);
  }
  ScopedFont(const ScopedFont&) = delete;
  ScopedFont& operator=(const ScopedFont&) = delete;

 private:
  platform::DeviceContext* dc_;
  platform::Font* font_;
  platform::Font* previous_;
};

// Text at (x, y) in `colour`, in the context's current background mode and colour.
inline void TextIn(platform::DeviceContext* dc, int x, int y, std::string_view text,
                   platform::Color colour) {
  const platform::Color old = platform::SetTextColor(dc, colour);
  platform::TextOut(dc, x, y, text);
  platform::SetTextColor(dc, old);
}
