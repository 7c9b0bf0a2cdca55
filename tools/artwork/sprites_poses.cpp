// The drawings of the player poses, 16 × 20 pixels each, the feet on the bottom rows. Each
// character is a pixel role:
//   .  transparent        o  outline            h  hair              e  eye
//   s  skin               S  skin in shadow     T  shirt             t  shirt in shadow
//   c  collar and cuffs   V  sleeve             v  sleeve in shadow  P  shorts
//   p  shorts in shadow   K  socks              B  sock band         b  boot
// The poses facing right are the mirror images of those facing left, and the second step of
// the front walk mirrors the first.
#include <algorithm>
#include <array>
#include <cstdlib>

#include "artwork/sprites.h"

namespace artwork {

namespace {

using Rows = std::array<const char*, kPlayerHeight>;

// A: ready at the kick-off and in the line-up: facing the camera, hands on the hips, feet apart.
constexpr Rows kKickOff = {
    "................",  //
    "......oooo......",  //
    ".....ohhhho.....",  //
    ".....ohssho.....",  //
    ".....oesseo.....",  //
    "....oossssoo....",  //
    "...oVTTccTTVo...",  //
    "..oVVTTTTTtvvo..",  //
    "..osoTTTTTtoso..",  //
    "..osoTTTTTtoSo..",  //
    "...osttttttso...",  //
    "....oPPPPPPo....",  //
    "...oPPPPPPppo...",  //
    "...oPPpooPPpo...",  //
    "...oSso..osSo...",  //
    "...oBBo..oBBo...",  //
    "...oKKo..oKKo...",  //
    "...oKKo..oKKo...",  //
    "..obbbo..obbbo..",  //
    "..oooo....oooo..",  //
};

// B: walking up or down the pitch, seen from the front: the left foot down, the right one
// lifted, the arms swinging.
constexpr Rows kWalkDown = {
    "................",  //
    "......oooo......",  //
    ".....ohhhho.....",  //
    ".....ohssho.....",  //
    ".....oesseo.....",  //
    "....oossssoo....",  //
    "...oVTTccTTVo...",  //
    "...oVTTTTTtvo...",  //
    "...osTTTTTtvo...",  //
    "...osTTTTTtSo...",  //
    "...osttttttSo...",  //
    "...oSPPPPPpoo...",  //
    "....oPPPPPpo....",  //
    "....oPPooPpo....",  //
    "....oSsooSSo....",  //
    "....oBBooBBo....",  //
    "....oKKooKKo....",  //
    "....oKKoobbbo...",  //
    "...obbbooooo....",  //
    "...oooo.........",  //
};

// D: standing, facing the camera.
constexpr Rows kStand = {
    "................",  //
    "......oooo......",  //
    ".....ohhhho.....",  //
    ".....ohssho.....",  //
    ".....oesseo.....",  //
    "....oossssoo....",  //
    "...oVTTccTTVo...",  //
    "...oVTTTTTtvo...",  //
    "...osTTTTTtSo...",  //
    "...osTTTTTtSo...",  //
    "...osttttttSo...",  //
    "...oSPPPPPpSo...",  //
    "....oPPPPPpo....",  //
    "....oPPooPpo....",  //
    "....oSsooSSo....",  //
    "....oBBooBBo....",  //
    "....oKKooKKo....",  //
    "....oKKooKKo....",  //
    "...obbboobbbo...",  //
    "...oooo..oooo...",  //
};

// E: walking left, in the stride.
constexpr Rows kWalkLeft1 = {
    "................",  //
    "......oooo......",  //
    ".....ohhhho.....",  //
    ".....osshho.....",  //
    "....oseshho.....",  //
    ".....osSSho.....",  //
    ".....ocTTTo.....",  //
    "....oTVVTTo.....",  //
    "...oVVvTTTto....",  //
    "...osoTTTTSo....",  //
    "...oo.otttSo....",  //
    "......oPPPpo....",  //
    ".....oPPPppPo...",  //
    ".....oSso.oSo...",  //
    "....oSso...oSo..",  //
    "....oBBo...oBo..",  //
    "...oKKo....oKo..",  //
    "...oKKo....oKKo.",  //
    "..obbbo....obbbo",  //
    "..oooo.....oooo.",  //
};

// F: walking left, the back foot passing under the body.
constexpr Rows kWalkLeft2 = {
    "................",  //
    "......oooo......",  //
    ".....ohhhho.....",  //
    ".....osshho.....",  //
    "....oseshho.....",  //
    ".....osSSho.....",  //
    ".....ocTTTo.....",  //
    ".....oTVVTo.....",  //
    ".....oTVvto.....",  //
    ".....oTsTto.....",  //
    ".....otSTto.....",  //
    ".....oPPPpo.....",  //
    ".....oPPPpo.....",  //
    "......oSsoSo....",  //
    "......oSsoBo....",  //
    "......oBBoKKo...",  //
    "......oKKobbo...",  //
    "......oKKooo....",  //
    ".....obbbo......",  //
    ".....oooo.......",  //
};

// I: goalkeeper facing left, reaching down for a low ball.
constexpr Rows kLowLeft = {
    "................",  //
    "............ooo.",  //
    "...........obbbo",  //
    "..........oKKKo.",  //
    ".........oKKKo..",  //
    "........oBBBo...",  //
    ".......oSSso....",  //
    "......oPPPpo....",  //
    ".....oPPPpo.....",  //
    "....oTTTTto.....",  //
    "...oVTTTtto.....",  //
    "..oVVohhhoo.....",  //
    ".oVvohhhhho.....",  //
    ".osooSsshho.....",  //
    "ossoosesSho.....",  //
    "oso..oSSSo......",  //
    ".o....ooo.......",  //
    "................",  //
    "................",  //
    "................",  //
};

// K: goalkeeper facing left, reaching up for a high ball.
constexpr Rows kHighLeft = {
    ".oo.............",  //
    "osso............",  //
    "ossVo...........",  //
    ".oVVoooo........",  //
    "..oVohhhho......",  //
    "...oshhhho......",  //
    "..oseshhho......",  //
    "...oSSShoVo.....",  //
    "....ocTTTVvo....",  //
    "....oTTTTTso....",  //
    ".....oTTTtoSo...",  //
    ".....ottttPo....",  //
    "......oPPPPpo...",  //
    ".....oPPPpoSo...",  //
    ".....oSso.oSo...",  //
    "....oSso..oBo...",  //
    "....oBBo..oKKo..",  //
    "...oKKo...obbbo.",  //
    "...obbbo..oooo..",  //
    "...oooo.........",  //
};

// HD: a header, leaping forward to the left, arms out, legs trailing.
constexpr Rows kHeader = {
    "................",  //
    "..oooo..........",  //
    ".ohhhho.........",  //
    ".osshho.........",  //
    "oseshho.........",  //
    ".osSShoooo......",  //
    "..oo.ocTTTo.....",  //
    ".ossoTTVVTTo....",  //
    "..ooTTTTVvTTo...",  //
    ".....oTTTTtvso..",  //
    "......ottttoSSo.",  //
    "......oPPPPpoo..",  //
    ".....oPPPpPPPooo",  //
    ".....oSSoooSSBKb",  //
    "....oSso...ooooo",  //
    "....oBBo........",  //
    ".....oKKo.......",  //
    ".....obbbo......",  //
    "......oooo......",  //
    "................",  //
};

// RUN1: running left, in full stride, leaning forward.
constexpr Rows kRun1 = {
    "................",  //
    ".....oooo.......",  //
    "....ohhhho......",  //
    "....osshho......",  //
    "...oseshho......",  //
    "....osSSho......",  //
    "....ocTTTTo.....",  //
    "..ooTVVTTTo.....",  //
    ".osoVvTTTTTo....",  //
    "..oo.oTTTTTSo...",  //
    "......ottttoSo..",  //
    "......oPPPPpoo..",  //
    ".....oPPPppPPo..",  //
    "....oSso..oSSo..",  //
    "...oSso....oSSo.",  //
    "..oBBo.....oBBo.",  //
    ".oKKo.......oKKo",  //
    ".oKKo.......obbo",  //
    "obbbo........oo.",  //
    "oooo............",  //
};

// RUN2: running left, the front knee lifted, the back leg pushing off.
constexpr Rows kRun2 = {
    "................",  //
    ".....oooo.......",  //
    "....ohhhho......",  //
    "....osshho......",  //
    "...oseshho......",  //
    "....osSSho......",  //
    "....ocTTTTo.....",  //
    "...oTTVVTTo.....",  //
    "...oTVvTTTTo....",  //
    "..osoTTTTTSo....",  //
    "..oo.otttoSSo...",  //
    "....ooPPPPpoo...",  //
    "...oSSPPPppPo...",  //
    "...oSSoooPPSo...",  //
    "....oBBo.oSSo...",  //
    "....oKKo.oBBo...",  //
    "...obbbo.oKKo...",  //
    "...oooo..oKKo...",  //
    ".........obbbo..",  //
    ".........oooo...",  //
};

PixelRole RoleOf(char c) {
  switch (c) {
    case '.':
      return PixelRole::None;
    case 'o':
      return PixelRole::Outline;
    case 'h':
      return PixelRole::Hair;
    case 'e':
      return PixelRole::Eye;
    case 's':
      return PixelRole::Skin;
    case 'S':
      return PixelRole::SkinShade;
    case 'T':
      return PixelRole::Shirt;
    case 't':
      return PixelRole::ShirtShade;
    case 'c':
      return PixelRole::Trim;
    case 'V':
      return PixelRole::Sleeve;
    case 'v':
      return PixelRole::SleeveShade;
    case 'P':
      return PixelRole::Shorts;
    case 'p':
      return PixelRole::ShortsShade;
    case 'K':
      return PixelRole::Socks;
    case 'B':
      return PixelRole::SockBand;
    case 'b':
      return PixelRole::Boot;
  }
  std::abort();  // a drawing with an unknown character is a programming error
}

PoseDrawing FromRows(const Rows& rows, bool mirrored) {
  PoseDrawing drawing;
  drawing.roles.reserve(std::size_t(kPlayerWidth * kPlayerHeight));
  for (const char* row : rows) {
    for (int x = 0; x < kPlayerWidth; ++x) {
      const char c = row[mirrored ? kPlayerWidth - 1 - x : x];
      if (c == '\0') std::abort();  // a row shorter than the picture
      drawing.roles.push_back(RoleOf(c));
    }
    if (row[kPlayerWidth] != '\0') std::abort();  // a row longer than the picture
  }
  int left = kPlayerWidth, top = kPlayerHeight, right = -1, bottom = -1;
  for (int y = 0; y < kPlayerHeight; ++y) {
    for (int x = 0; x < kPlayerWidth; ++x) {
      const PixelRole role = drawing.At(x, y);
      if (role != PixelRole::Shirt && role != PixelRole::ShirtShade) continue;
      left = std::min(left, x);
      top = std::min(top, y);
      right = std::max(right, x);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) std::abort();  // every pose shows the shirt
  drawing.shirtLeft = left;
  drawing.shirtTop = top;
  drawing.shirtWidth = right - left + 1;
  drawing.shirtHeight = bottom - top + 1;
  return drawing;
}

std::array<PoseDrawing, kPoseCount> MakeDrawings() {
  return {
      FromRows(kKickOff, false),  FromRows(kWalkDown, false),  FromRows(kWalkDown, true),
      FromRows(kStand, false),    FromRows(kWalkLeft1, false), FromRows(kWalkLeft2, false),
      FromRows(kWalkLeft1, true), FromRows(kWalkLeft2, true),  FromRows(kLowLeft, false),
      FromRows(kLowLeft, true),   FromRows(kHighLeft, false),  FromRows(kHighLeft, true),
      FromRows(kHeader, false),   FromRows(kRun1, false),      FromRows(kRun2, false),
  };
}

}  // namespace

const PoseDrawing& PlayerPoseDrawing(int pose) {
  static const std::array<PoseDrawing, kPoseCount> drawings = MakeDrawings();
  if (pose < 0 || pose >= kPoseCount) std::abort();
  return drawings[std::size_t(pose)];
}

}  // namespace artwork
