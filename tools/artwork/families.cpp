// Sizes and masks of the picture families.
#include "artwork/families.h"

#include <cctype>

namespace artwork {

namespace {

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && s.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view s, std::string_view suffix) {
  return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

// True when `s` is `prefix`, one or more decimal digits, then `suffix`.
bool NumberedName(std::string_view s, std::string_view prefix, std::string_view suffix) {
  if (!StartsWith(s, prefix) || !EndsWith(s, suffix) || s.size() <= prefix.size() + suffix.size()) {
    return false;
  }
  for (char c : s.substr(prefix.size(), s.size() - prefix.size() - suffix.size())) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

struct Exact {
  const char* name;
  PictureSize size;
};

constexpr Exact kExactSizes[] = {
    {"WLDMAP.BMP", {560, 280}}, {"LGOAL.BMP", {38, 88}},    {"LGOALX.BMP", {38, 88}},
    {"RGOAL.BMP", {38, 88}},    {"RGOALX.BMP", {38, 88}},   {"POLE.BMP", {14, 17}},
    {"POLEX.BMP", {14, 17}},    {"BALL.BMP", {8, 8}},       {"BALLX.BMP", {8, 8}},
    {"KANBAN0.BMP", {144, 14}}, {"KANBAN1.BMP", {144, 14}}, {"kansyuu.BMP", {100, 42}},
    {"kabe.BMP", {100, 12}},    {"SCUP1.BMP", {48, 40}},    {"SCUP1X.BMP", {48, 40}},
    {"飛行機.BMP", {400, 176}}, {"ENT.BMP", {60, 70}},      {"MF_X.BMP", {120, 110}},
};

}  // namespace

std::optional<PictureSize> ExpectedPictureSize(std::string_view name) {
  for (const Exact& exact : kExactSizes) {
    if (name == exact.name) return exact.size;
  }
  if (NumberedName(name, "FBUKI", ".BMP") || NumberedName(name, "FBUKI", "X.BMP")) {
    return PictureSize{90, 40};
  }
  if (NumberedName(name, "KANSYUU", ".BMP")) return PictureSize{100, 42};
  if (NumberedName(name, "歓喜", ".BMP")) return PictureSize{240, 200};
  if (NumberedName(name, "UFO", ".bmp")) return PictureSize{24, 16};
  if (EndsWith(name, ".BMP") && name.size() == 10 && StartsWith(name, "SF_")) {
    return PictureSize{18, 12};
  }
  if (EndsWith(name, ".BMP") && name.size() == 12 &&
      (StartsWith(name, "SS1F_") || StartsWith(name, "SS2F_"))) {
    return PictureSize{40, 28};
  }
  if (EndsWith(name, ".BMP") && name.size() == 10 && StartsWith(name, "MF_")) {
    return PictureSize{120, 110};
  }
  return std::nullopt;
}

PictureSize TitlePictureSize(int position) {
  // Two columns meeting at x 410 and two rows meeting at y 270 fill the 630 × 540 window.
  return (position % 2 == 0) ? PictureSize{410, 270} : PictureSize{220, 270};
}

std::string MaskNameOf(std::string_view picture) {
  if (IsMaskName(picture) || !EndsWith(picture, ".BMP")) return "";
  for (const char* name : {"LGOAL", "RGOAL", "POLE", "BALL", "SCUP1"}) {
    if (picture == std::string(name) + ".BMP") return std::string(name) + "X.BMP";
  }
  if (NumberedName(picture, "FBUKI", ".BMP")) {
    return std::string(picture.substr(0, picture.size() - 4)) + "X.BMP";
  }
  if (StartsWith(picture, "MF_") && picture.size() == 10) return "MF_X.BMP";
  if (NumberedName(picture, "HD_", ".BMP")) return "HD_1X.BMP";
  if (NumberedName(picture, "RUN1_", ".BMP")) return "RUN1_1X.BMP";
  if (NumberedName(picture, "RUN2_", ".BMP")) return "RUN2_1X.BMP";
  // Outfield sheets PLYA_k-PLYH_k and the goalkeeper's PLY2A_c-PLY2H_c, PLYI_c-PLYL_c.
  if (StartsWith(picture, "PLY2") && picture.size() > 5 && picture[4] >= 'A' && picture[4] <= 'H' &&
      NumberedName(picture.substr(5), "_", ".BMP")) {
    return std::string("PLY") + picture[4] + "_1X.BMP";
  }
  if (StartsWith(picture, "PLY") && picture.size() > 4 && picture[3] >= 'A' && picture[3] <= 'L' &&
      NumberedName(picture.substr(4), "_", ".BMP")) {
    return std::string("PLY") + picture[3] + "_1X.BMP";
  }
  return "";
}

bool IsMaskName(std::string_view name) {
  for (const char* mask :
       {"LGOALX.BMP", "RGOALX.BMP", "POLEX.BMP", "BALLX.BMP", "SCUP1X.BMP", "FBUKI1X.BMP",
        "FBUKI2X.BMP", "FBUKI3X.BMP", "MF_X.BMP", "HD_1X.BMP", "RUN1_1X.BMP", "RUN2_1X.BMP"}) {
    if (name == mask) return true;
  }
  return name.size() == 11 && StartsWith(name, "PLY") && name[3] >= 'A' && name[3] <= 'L' &&
         name.substr(4) == "_1X.BMP";
}

}  // namespace artwork
