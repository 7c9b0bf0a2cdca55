// The player sprites: one drawing per pose, made of pixel roles (outline, skin, shirt, ...) and
// coloured per kit. Every kit's picture of a pose has the same silhouette, so that one shared
// mask per pose serves every kit and class, and the same skin pixels, so that one dark overlay
// per pose serves them all.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "artwork/kits.h"
#include "artwork/picture.h"

namespace artwork {

inline constexpr int kPlayerWidth = 16;
inline constexpr int kPlayerHeight = 20;

// The fifteen poses in the order of the mask slots: the sheet letters A to L, the header and
// the two running frames.
enum PlayerPose : int {
  kPoseKickOff = 0,  // A: facing the camera, ready (kick-off, line-up)
  kPoseWalkDown1,    // B: walking up or down the pitch, seen from the front
  kPoseWalkDown2,    // C: the other step of B
  kPoseStand,        // D: standing, facing the camera
  kPoseWalkLeft1,    // E: walking left, stride
  kPoseWalkLeft2,    // F: walking left, passing step
  kPoseWalkRight1,   // G: walking right, stride
  kPoseWalkRight2,   // H: walking right, passing step
  kPoseLowLeft,      // I: goalkeeper facing left, reaching down
  kPoseLowRight,     // J: goalkeeper facing right, reaching down
  kPoseHighLeft,     // K: goalkeeper facing left, reaching up
  kPoseHighRight,    // L: goalkeeper facing right, reaching up
  kPoseHeader,       // HD: header, facing left
  kPoseRun1,         // RUN1: running left, full stride
  kPoseRun2,         // RUN2: running left, knee up
  kPoseCount
};

enum class PixelRole : std::uint8_t {
  None,  // transparent
  Outline,
  Hair,
  Eye,
  Skin,
  SkinShade,
  Shirt,
  ShirtShade,
  Trim,
  Sleeve,
  SleeveShade,
  Shorts,
  ShortsShade,
  Socks,
  SockBand,
  Boot,
};

struct PoseDrawing {
  int width = kPlayerWidth;
  int height = kPlayerHeight;
  std::vector<PixelRole> roles;  // rows from the top
  // The box around the shirt's pixels, where stripes, sashes and bands are laid.
  int shirtLeft = 0;
  int shirtTop = 0;
  int shirtWidth = 0;
  int shirtHeight = 0;
  PixelRole At(int x, int y) const { return roles[std::size_t(y * width + x)]; }
};

// The drawing of a pose (0 to kPoseCount - 1).
const PoseDrawing& PlayerPoseDrawing(int pose);

// The names of a pose's pictures: its shared mask ("PLYA_1X.BMP", "HD_1X.BMP", ...), its dark
// overlay ("PLYA_BM.BMP", "H_BM.BMP", ...), a kit's picture ("PLYA_7.BMP"; poses A-H, HD,
// RUN1, RUN2) and a class's goalkeeper picture ("PLY2A_3.BMP", "PLYI_3.BMP"; poses A-L).
std::string PlayerMaskName(int pose);
std::string PlayerOverlayName(int pose);
std::string KitPictureName(int pose, int kitCode);
std::string KeeperPictureName(int pose, int colourClass);

// The colour a role takes in a kit at pixel (x, y) of a pose (the patterns depend on where the
// pixel lies on the shirt).
Rgb RoleColour(const PoseDrawing& drawing, const Kit& kit, int x, int y);
// A pose painted in a kit: black where the drawing is transparent. No painted pixel is black.
Image PaintPlayer(int pose, const Kit& kit);
// The dark overlay of a pose: white everywhere but on the skin, which holds the dark tones.
Image SkinOverlay(int pose);

}  // namespace artwork
