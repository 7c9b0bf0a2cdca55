// What the launcher's window shows: the four pictures in a black frame, the red title spelt out
// letter by letter, and the folder it was given. Drawing only: the letter counts come from the
// show.
#pragma once

#include <cstdint>

#include "platform/platform.h"

inline constexpr char kTitleFirstLine[] = "VEXO VEDUZI";
inline constexpr char kTitleSecondLine[] = "WORLD  CUP";  // two blanks between the words
inline constexpr platform::Point kFirstLineAt{160, 168};
inline constexpr platform::Point kSecondLineAt{180, 208};
inline constexpr int kTitleLetterWidth = 32;  // and 32 high
inline constexpr int kFrameWidth = 930;       // the off-screen frame of every paint
inline constexpr int kFrameHeight = 579;
inline constexpr platform::Color kTitleColour = platform::Rgb(255, 0, 0);
inline constexpr platform::Color kFolderBackground = platform::Rgb(200, 200, 200);

// The letters of each line that the title shows for the show's counts: one more than the
// count, at most the whole line; the second line none while its count is 0.
int FirstLineShown(std::int32_t firstLetters);
int SecondLineShown(std::int32_t secondLetters);

// The title in red, transparent, in a 32 × 32 fixed-pitch font made for the call.
void DrawTitle(platform::DeviceContext* dc, std::int32_t firstLetters, std::int32_t secondLetters);

// The whole window, composed off screen and copied in one transfer: the pictures at their
// places (0, 0), (410, 0), (0, 270), (410, 270), the title once the first line has begun,
// and the folder argument at (10, 10), black on light grey.
void PaintLauncherWindow(platform::Window* window);
