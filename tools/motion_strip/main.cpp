// Smooth motion as the player sees it, as one PNG for a person to look at:
//
//   motion_strip OUTPUT.png [GAME_FOLDER]
//
// Plays a seeded friendly with smooth motion in a window of the headless backend (with the
// game's pictures from GAME_FOLDER), and keeps, of every picture the display timer draws
// between two rule frames, a cut-out of the pitch: each row at one place of the screen (where
// the ball stood at its first picture, or the centre spot). Three rows of consecutive pictures:
//   a run      the user's player running, a few seconds into the first half;
//   a pass     the first ball on the ground at pass speed, followed picture by picture;
//   a set-up   the last pictures before half time and the first after the second half's
//              kick-off set-up: the players stand at once where the set-up put them.
// Each picture is framed in grey; a red frame marks a picture drawn exactly at a rule frame.
// Ends with exit code 1 when a row could not be filled, or when a picture of the run or the
// pass moved the ball or a player by more than a rule frame's step since the one before.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/graphics_archive.h"
#include "match/match_state.h"
#include "match/net_rule.h"
#include "platform/internal.h"
#include "platform/platform.h"
#include "presentation/motion_blend.h"
#include "support/self_play.h"

namespace {

constexpr int kCellWidth = 220;
constexpr int kCellHeight = 140;
constexpr int kBorder = 2;
constexpr int kCells = 8;  // pictures a row
constexpr int kRows = 3;
constexpr int kRunFrom = 50;  // pictures into the first half before the rows start
constexpr int kRunStep = 6;   // a rule frame's step of the user's player that counts as running

struct Cell {
  std::vector<std::uint32_t> pixels;  // kCellWidth × kCellHeight
  bool ruleFrame = false;
  platform::Point ball;  // where the drawing put the ball, pitch pixels
};

// The cut-out of the window's picture centred at (cx, cy) on the screen.
Cell Cut(platform::Window* window, int cx, int cy) {
  Cell cell;
  cell.pixels.assign(std::size_t(kCellWidth) * kCellHeight, 0x404040);
  platform::DeviceContext* dc = platform::GetDC(window);
  if (dc == nullptr) return cell;
  const auto* surface = platform::detail::ContextSurface(dc);
  const int left = std::clamp(cx - kCellWidth / 2, 0, std::max(0, surface->width - kCellWidth));
  const int top = std::clamp(cy - kCellHeight / 2, 0, std::max(0, surface->height - kCellHeight));
  for (int y = 0; y < kCellHeight && top + y < surface->height; ++y) {
    for (int x = 0; x < kCellWidth && left + x < surface->width; ++x) {
      cell.pixels[std::size_t(y) * kCellWidth + std::size_t(x)] =
          surface
              ->pixels[std::size_t(top + y) * std::size_t(surface->width) + std::size_t(left + x)];
    }
  }
  platform::ReleaseDC(window, dc);
  return cell;
}

// The cut-out around the centre spot.
Cell AtCentreSpot(platform::Window* window, const MotionBlend& b) {
  Cell cell = Cut(window, match.centreX - match.scrollX, match.centreY);
  cell.ruleFrame = b.fraction == 0;
  return cell;
}

bool Save(const std::string& path, const std::vector<std::vector<Cell>>& rows) {
  const int width = kCells * (kCellWidth + 2 * kBorder);
  const int height = kRows * (kCellHeight + 2 * kBorder);
  std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height), 0xFFFFFF);
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kCells && c < int(rows[std::size_t(r)].size()); ++c) {
      const Cell& cell = rows[std::size_t(r)][std::size_t(c)];
      const int x0 = c * (kCellWidth + 2 * kBorder);
      const int y0 = r * (kCellHeight + 2 * kBorder);
      const std::uint32_t frame = cell.ruleFrame ? 0xE00000 : 0x808080;
      for (int y = 0; y < kCellHeight + 2 * kBorder; ++y) {
        for (int x = 0; x < kCellWidth + 2 * kBorder; ++x) {
          const bool inside =
              x >= kBorder && y >= kBorder && x < kCellWidth + kBorder && y < kCellHeight + kBorder;
          pixels[std::size_t(y0 + y) * std::size_t(width) + std::size_t(x0 + x)] =
              inside ? cell.pixels[std::size_t(y - kBorder) * kCellWidth + std::size_t(x - kBorder)]
                     : frame;
        }
      }
    }
  }
  return platform::SavePng(path, width, height, pixels.data());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: motion_strip OUTPUT.png [GAME_FOLDER]\n");
    return 2;
  }
  const std::filesystem::path output = std::filesystem::absolute(argv[1]);
  std::error_code ignored;
  std::filesystem::create_directories(output.parent_path(), ignored);
  if (argc > 2 && !platform::SetCurrentDirectory(argv[2])) {
    std::fprintf(stderr, "motion_strip: cannot enter %s\n", argv[2]);
    return 2;
  }
  std::vector<std::vector<Cell>> rows(kRows);
  std::vector<platform::Point> centres(kRows);
  bool runStarted = false;
  std::deque<Cell> beforeHalfTime;  // the latest pictures of the first half
  int lastFraction = -1;
  int playPictures = 0;
  bool passFollowed = false;
  bool secondHalfStarted = false;
  int faults = 0;

  self_play::Settings settings;
  settings.seed = 4242;
  settings.levelCode = 3;
  settings.drawing = true;
  settings.pictures = true;
  settings.smoothMotion = true;
  settings.secondsPerPeriod = 20;
  settings.afterTick = [&](platform::Window* window) {
    const MotionBlend& b = motionBlend;
    // A new picture was drawn when the fraction moved on (the display timer's work) or a rule
    // frame started a new slide.
    if (window == nullptr || b.fraction == lastFraction) return;
    lastFraction = b.fraction;
    const DrawnBallPosition drawn = DrawnBall();
    const platform::Point screen = BallPicturePointAt(drawn.x, drawn.y, drawn.height);
    const bool playing = match.half != 0 && match.captionTimer == 0;
    if (!playing) return;
    ++playPictures;
    // Each row is cut out at one place of the screen: where the ball stood at its first
    // picture, so that the motion shows against the pitch.
    auto cut = [&](const std::vector<Cell>& row, platform::Point* centre) {
      if (row.empty()) *centre = screen;
      Cell cell = Cut(window, centre->x, centre->y);
      cell.ruleFrame = b.fraction == 0;
      cell.ball = {drawn.x, drawn.y};
      return cell;
    };
    auto follow = [&](std::vector<Cell>& row, platform::Point* centre) {
      const Cell cell = cut(row, centre);
      if (!row.empty()) {
        const platform::Point last = row.back().ball;
        if (std::abs(last.x - cell.ball.x) > kPlacementDistance ||
            std::abs(last.y - cell.ball.y) > kPlacementDistance) {
          ++faults;
        }
      }
      row.push_back(cell);
    };
    if (match.half == 1) {
      // The run: from a picture on which the user's player runs (kRunStep or more in a rule
      // frame), cut out around him.

      const int controlled = match.controlledPlayer - 1;
      if (rows[0].empty() && controlled >= 0 && controlled < kPlayersPerSide &&
          playPictures > kRunFrom) {
        const platform::Point from = b.fromPlayers[std::size_t(controlled)];
        const platform::Point to = b.toPlayers[std::size_t(controlled)];
        if (std::abs(to.x - from.x) >= kRunStep || std::abs(to.y - from.y) >= kRunStep) {
          const platform::Point at = DrawnPlayer(false, controlled);
          centres[0] = {at.x - match.scrollX, at.y};
          runStarted = true;
        }
      }
      if (runStarted && rows[0].size() < kCells) {
        Cell cell = Cut(window, centres[0].x, centres[0].y);
        cell.ruleFrame = b.fraction == 0;
        cell.ball = {drawn.x, drawn.y};
        rows[0].push_back(cell);
      }
      if (!passFollowed && playPictures > kRunFrom && ball.height == 0 && ball.speed >= 6) {
        passFollowed = true;
      }
      if (passFollowed && rows[1].size() < kCells) follow(rows[1], &centres[1]);
      // The centre spot, where the second half's set-up will stand.
      beforeHalfTime.push_back(AtCentreSpot(window, b));
      if (beforeHalfTime.size() > kCells / 2) beforeHalfTime.pop_front();
    } else if (match.half == 2) {
      if (!secondHalfStarted) {
        secondHalfStarted = true;
        for (const Cell& before : beforeHalfTime) rows[2].push_back(before);
      }
      if (rows[2].size() < kCells) rows[2].push_back(AtCentreSpot(window, b));
    }
  };
  const self_play::Report report = self_play::PlayMatch(settings);
  for (int r = 0; r < kRows; ++r) {
    if (rows[std::size_t(r)].size() < kCells) {
      std::fprintf(stderr, "motion_strip: row %d has %zu pictures\n", r + 1,
                   rows[std::size_t(r)].size());
      ++faults;
    }
  }
  if (!Save(output.string(), rows)) {
    std::fprintf(stderr, "motion_strip: cannot write %s\n", output.c_str());
    return 1;
  }
  std::printf("motion_strip: %s, %d pictures in play, %d frames, %d fault(s)\n", output.c_str(),
              playPictures, report.frames, faults);
  return faults == 0 ? 0 : 1;
}
