#include "platform/sdl/frame_scaler.h"

#include <algorithm>
#include <cstring>

namespace platform::sdl {

std::vector<RowSpan> ChangedRowSpans(const std::uint32_t* before, const std::uint32_t* after,
                                     int width, int height, int gap) {
  std::vector<RowSpan> spans;
  const std::size_t rowBytes = std::size_t(std::max(width, 0)) * sizeof(std::uint32_t);
  for (int y = 0; y < height; ++y) {
    const std::size_t offset = std::size_t(y) * std::size_t(width);
    if (std::memcmp(before + offset, after + offset, rowBytes) == 0) continue;
    if (!spans.empty() && y - spans.back().last < gap) {
      spans.back().last = y + 1;
    } else {
      spans.push_back(RowSpan{y, y + 1});
    }
  }
  return spans;
}

void FrameScaler::Configure(int frameWidth, int frameHeight, const Rect& picture) {
  frameWidth_ = std::max(frameWidth, 0);
  frameHeight_ = std::max(frameHeight, 0);
  picture_ = picture;
  sourceColumn_.assign(std::size_t(std::max(picture.Width(), 0)), 0);
  if (picture.Width() <= 0 || frameWidth_ == 0) return;
  for (int x = 0; x < picture.Width(); ++x) {
    sourceColumn_[std::size_t(x)] =
        int(std::int64_t(x) * frameWidth_ / picture.Width());  // nearest, to the left
  }
}

Rect FrameScaler::DestinationOf(int first, int last) const {
  const int height = picture_.Height();
  if (frameHeight_ == 0 || height <= 0) return Rect{};
  first = std::clamp(first, 0, frameHeight_);
  last = std::clamp(last, first, frameHeight_);
  // Destination row k shows frame row floor(k * frameHeight / height): the first k that shows
  // row r is ceil(r * height / frameHeight).
  auto firstShowing = [&](int row) {
    return int((std::int64_t(row) * height + frameHeight_ - 1) / frameHeight_);
  };
  return Rect{picture_.left, picture_.top + firstShowing(first), picture_.right,
              picture_.top + firstShowing(last)};
}

Rect FrameScaler::ScaleRows(const std::uint32_t* frame, int frameStride, std::uint32_t* dest,
                            int destStride, int first, int last, int destTop) const {
  const Rect band = DestinationOf(first, last);
  if (band.Empty()) return band;
  const int height = picture_.Height();
  const int width = picture_.Width();
  int shownRow = -1;
  std::uint32_t* previous = nullptr;
  for (int y = band.top; y < band.bottom; ++y) {
    const int row = int(std::int64_t(y - picture_.top) * frameHeight_ / height);
    std::uint32_t* out =
        dest + std::size_t(y - destTop) * std::size_t(destStride) + std::size_t(picture_.left);
    if (row == shownRow && previous != nullptr) {
      std::memcpy(out, previous, std::size_t(width) * sizeof(std::uint32_t));
    } else {
      const std::uint32_t* in = frame + std::size_t(row) * std::size_t(frameStride);
      for (int x = 0; x < width; ++x) out[x] = in[sourceColumn_[std::size_t(x)]];
      shownRow = row;
    }
    previous = out;
  }
  return band;
}

}  // namespace platform::sdl
