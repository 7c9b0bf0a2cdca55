#include "platform/sdl/frame_scaler.h"

#include <algorithm>
#include <cstring>

namespace platform::sdl {

std::vector<RowSpan> ChangedRowSpans(const std::uint32_t* before, const std::uint32_t* after,
                                     int width, int height, int gap, const std::uint8_t* candidates,
                                     const std::int32_t* lefts, const std::int32_t* rights) {
  std::vector<RowSpan> spans;
  const bool columns = candidates != nullptr && lefts != nullptr && rights != nullptr;
  for (int y = 0; y < height; ++y) {
    if (candidates != nullptr && candidates[y] == 0) continue;
    const int from = columns ? std::clamp(int(lefts[y]), 0, width) : 0;
    const int to = columns ? std::clamp(int(rights[y]), from, width) : std::max(width, 0);
    const std::uint32_t* was = before + std::size_t(y) * std::size_t(width);
    const std::uint32_t* is = after + std::size_t(y) * std::size_t(width);
    if (std::memcmp(was + from, is + from, std::size_t(to - from) * sizeof(std::uint32_t)) == 0) {
      continue;
    }
    // The row differs in [from, to), so both searches stop inside it.
    int left = from;
    while (was[left] == is[left]) ++left;
    int right = to;
    while (was[right - 1] == is[right - 1]) --right;
    if (!spans.empty() && y - spans.back().last < gap) {
      RowSpan& span = spans.back();
      span.last = y + 1;
      span.left = std::min(span.left, left);
      span.right = std::max(span.right, right);
    } else {
      spans.push_back(RowSpan{y, y + 1, left, right});
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

Rect FrameScaler::DestinationOf(const RowSpan& band) const {
  const int height = picture_.Height();
  const int width = picture_.Width();
  if (frameHeight_ == 0 || frameWidth_ == 0 || height <= 0 || width <= 0) return Rect{};
  const int first = std::clamp(band.first, 0, frameHeight_);
  const int last = std::clamp(band.last, first, frameHeight_);
  const int left = std::clamp(band.left, 0, frameWidth_);
  const int right = std::clamp(band.right, left, frameWidth_);
  // Destination row k shows frame row floor(k * frameHeight / height): the first k that shows
  // row r is ceil(r * height / frameHeight). Columns alike.
  auto firstShowing = [](int at, int shown, int frame) {
    return int((std::int64_t(at) * shown + frame - 1) / frame);
  };
  return Rect{picture_.left + firstShowing(left, width, frameWidth_),
              picture_.top + firstShowing(first, height, frameHeight_),
              picture_.left + firstShowing(right, width, frameWidth_),
              picture_.top + firstShowing(last, height, frameHeight_)};
}

Rect FrameScaler::ScaleBand(const std::uint32_t* frame, int frameStride, std::uint32_t* dest,
                            int destStride, const RowSpan& band, int destTop) const {
  const Rect area = DestinationOf(band);
  if (area.Empty()) return area;
  const int height = picture_.Height();
  const int from = area.left - picture_.left;  // the picture's columns [from, to)
  const int to = area.right - picture_.left;
  int shownRow = -1;
  const std::uint32_t* previous = nullptr;
  for (int y = area.top; y < area.bottom; ++y) {
    const int row = int(std::int64_t(y - picture_.top) * frameHeight_ / height);
    std::uint32_t* out =
        dest + std::size_t(y - destTop) * std::size_t(destStride) + std::size_t(picture_.left);
    if (row == shownRow && previous != nullptr) {
      std::memcpy(out + from, previous + from, std::size_t(to - from) * sizeof(std::uint32_t));
    } else {
      const std::uint32_t* in = frame + std::size_t(row) * std::size_t(frameStride);
      for (int x = from; x < to; ++x) out[x] = in[sourceColumn_[std::size_t(x)]];
      shownRow = row;
    }
    previous = out;
  }
  return area;
}

}  // namespace platform::sdl
