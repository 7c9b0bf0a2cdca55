// Copying the composed frame into the window's own pixels: nearest-neighbour scaling into the
// picture rectangle, and only for the part of the frame that changed since the last copy.
//
// Pure code without SDL types, so that tests can check it pixel by pixel. Pixels are 32-bit
// words in one layout for source and destination (0x00RRGGBB); strides are in pixels.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/platform.h"

namespace platform::sdl {

// A band of frame rows [first, last), and the columns [left, right) of it that are meant: the
// ones between its first and last changed pixel, or the whole width.
struct RowSpan {
  int first = 0;
  int last = 0;
  int left = 0;
  int right = 0;
  bool operator==(const RowSpan&) const = default;
};

// The bands of rows in which two frames of the same size differ, each with the columns from
// its leftmost to its rightmost changed pixel. Bands closer than `gap` unchanged rows are
// merged, so that a frame with scattered changes gives few bands. With `candidates` (one
// entry per row), only the rows marked there are compared: the others are known to be equal;
// with `lefts` and `rights` as well, only the columns [lefts[y], rights[y]) of a marked row.
std::vector<RowSpan> ChangedRowSpans(const std::uint32_t* before, const std::uint32_t* after,
                                     int width, int height, int gap,
                                     const std::uint8_t* candidates = nullptr,
                                     const std::int32_t* lefts = nullptr,
                                     const std::int32_t* rights = nullptr);

class FrameScaler {
 public:
  // A frame of frameWidth x frameHeight shown in `picture` (in destination pixels).
  void Configure(int frameWidth, int frameHeight, const Rect& picture);

  // Writes the destination pixels that show the band's rows and columns of the frame and
  // returns them as a rectangle of the destination. `dest` holds destination rows from
  // `destTop` on (0 for the whole destination; a band's own top for a buffer of just that
  // band); its columns are those of the whole destination. Rows a frame row is shown on twice
  // are copied, not scaled again.
  Rect ScaleBand(const std::uint32_t* frame, int frameStride, std::uint32_t* dest, int destStride,
                 const RowSpan& band, int destTop = 0) const;
  // The same for whole rows [first, last).
  Rect ScaleRows(const std::uint32_t* frame, int frameStride, std::uint32_t* dest, int destStride,
                 int first, int last, int destTop = 0) const {
    return ScaleBand(frame, frameStride, dest, destStride, RowSpan{first, last, 0, frameWidth_},
                     destTop);
  }

  // The destination pixels that show the band's rows and columns, within the picture.
  Rect DestinationOf(const RowSpan& band) const;
  Rect DestinationOf(int first, int last) const {
    return DestinationOf(RowSpan{first, last, 0, frameWidth_});
  }

 private:
  int frameWidth_ = 0, frameHeight_ = 0;
  Rect picture_;
  std::vector<int> sourceColumn_;  // for each destination column of the picture
};

}  // namespace platform::sdl
