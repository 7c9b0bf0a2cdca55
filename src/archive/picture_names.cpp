// The names of the pictures: the directory of GDAT.DAT in its fixed order and the list of the
// pictures preloaded at start-up.
#include <string>

#include "archive/graphics_archive.h"
#include "platform/platform.h"

const char* const kPictureAbbreviations[31] = {
    "JPN", "KOR", "CHN", "SAD", "IRN", "QUA", "ITA", "GER", "ENG", "FRA", "DCH",
    "SPA", "CHE", "POR", "BRA", "ARZ", "URG", "CHI", "PAR", "COL", "MEX", "USA",
    "CAN", "JAM", "COS", "CAM", "NIJ", "SAF", "CHU", "EGY", "MOR"};

GraphicsArchive graphicsArchive;

namespace {

const char* const kKitSheetFormats[11] = {
    "PLYA_%d.BMP", "PLYB_%d.BMP", "PLYC_%d.BMP", "PLYD_%d.BMP", "PLYE_%d.BMP", "PLYF_%d.BMP",
    "PLYG_%d.BMP", "PLYH_%d.BMP", "HD_%d.BMP",   "RUN1_%d.BMP", "RUN2_%d.BMP"};

const char* const kClassSheetFormats[12] = {
    "PLY2A_%d.BMP", "PLY2B_%d.BMP", "PLY2C_%d.BMP", "PLY2D_%d.BMP", "PLY2E_%d.BMP", "PLY2F_%d.BMP",
    "PLY2G_%d.BMP", "PLY2H_%d.BMP", "PLYI_%d.BMP",  "PLYJ_%d.BMP",  "PLYK_%d.BMP",  "PLYL_%d.BMP"};

// The kit sheets, class sheets and dark overlay sheets: positions 31 to 426 of the directory
// and, in the same order, the whole cache list.
void AppendPlayerSheetNames(std::vector<std::string>* names) {
  for (int kit = 1; kit <= 27; ++kit) {
    for (const char* format : kKitSheetFormats) names->push_back(platform::Format(format, kit));
  }
  for (int colourClass = 1; colourClass <= 7; ++colourClass) {
    for (const char* format : kClassSheetFormats) {
      names->push_back(platform::Format(format, colourClass));
    }
  }
  for (char letter = 'A'; letter <= 'L'; ++letter) {
    names->push_back(platform::Format("PLY%c_BM.BMP", letter));
  }
  names->push_back("H_BM.BMP");
  names->push_back("RUN1_BM.BMP");
  names->push_back("RUN2_BM.BMP");
}

}  // namespace

void BuildDirectory() {
  std::vector<std::string>& names = graphicsArchive.directory;
  names.clear();
  names.reserve(kDirectorySize);
  for (const char* name :
       {"WLDMAP.BMP", "LGOAL.BMP", "LGOALX.BMP", "RGOAL.BMP", "RGOALX.BMP", "POLE.BMP", "POLEX.BMP",
        "BALL.BMP", "BALLX.BMP", "KANBAN0.BMP", "KANBAN1.BMP"}) {
    names.push_back(name);
  }
  for (char letter = 'A'; letter <= 'L'; ++letter) {
    names.push_back(platform::Format("PLY%c_1X.BMP", letter));
  }
  for (const char* name : {"HD_1X.BMP", "RUN1_1X.BMP", "RUN2_1X.BMP", "kansyuu.BMP", "kabe.BMP",
                           "SCUP1.BMP", "SCUP1X.BMP", "飛行機.BMP"}) {
    names.push_back(name);
  }
  AppendPlayerSheetNames(&names);
  for (const char* name : {"FBUKI1.BMP", "FBUKI2.BMP", "FBUKI3.BMP", "FBUKI1X.BMP", "FBUKI2X.BMP",
                           "FBUKI3X.BMP", "ENT.BMP"}) {
    names.push_back(name);
  }
  for (const char* abbreviation : kPictureAbbreviations) {
    names.push_back(platform::Format("SF_%s.BMP", abbreviation));
  }
  for (int i = 1; i <= 12; ++i) names.push_back(platform::Format("歓喜%d.BMP", i));
  for (int i = 1; i <= 8; ++i) names.push_back(platform::Format("KANSYUU%d.BMP", i));
  for (const char* abbreviation : kPictureAbbreviations) {
    names.push_back(platform::Format("SS1F_%s.BMP", abbreviation));
    names.push_back(platform::Format("SS2F_%s.BMP", abbreviation));
  }
  for (const char* abbreviation : kPictureAbbreviations) {
    names.push_back(platform::Format("MF_%s.BMP", abbreviation));
  }
  names.push_back("MF_X.BMP");
  for (int i = 1; i <= 9; ++i) names.push_back(platform::Format("UFO%d.bmp", i));
}

void BuildCacheList() {
  graphicsArchive.cacheList.clear();
  graphicsArchive.cacheList.reserve(kCacheListSize);
  AppendPlayerSheetNames(&graphicsArchive.cacheList);
  graphicsArchive.playerNameCount = int(graphicsArchive.cacheList.size());
}

int FindInDirectory(std::string_view name) {
  const std::vector<std::string>& names = graphicsArchive.directory;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i] == name) return int(i);
  }
  return kNotInDirectory;
}

int FindInCache(std::string_view name) {
  const std::vector<std::string>& names = graphicsArchive.cacheList;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i] == name) return int(i) + 1;
  }
  return 0;
}
