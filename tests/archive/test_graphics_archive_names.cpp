// The directory of GDAT.DAT and the cache list: every name at its fixed position, spelled and
// cased exactly, and the lookups over them.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "archive/graphics_archive.h"
#include "platform/platform.h"
#include "presentation/bitmap_store.h"

namespace {

// The nations' abbreviations in nation order, as the pictures are named.
const char* const kNations[31] = {"JPN", "KOR", "CHN", "SAD", "IRN", "QUA", "ITA", "GER",
                                  "ENG", "FRA", "DCH", "SPA", "CHE", "POR", "BRA", "ARZ",
                                  "URG", "CHI", "PAR", "COL", "MEX", "USA", "CAN", "JAM",
                                  "COS", "CAM", "NIJ", "SAF", "CHU", "EGY", "MOR"};

class PictureNames : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGraphicsArchive();
    ResetBitmapStore();
    BuildDirectory();
    BuildCacheList();
  }
  void TearDown() override { ResetGraphicsArchive(); }
  const std::string& At(int position) {
    return graphicsArchive.directory.at(std::size_t(position));
  }
};

TEST_F(PictureNames, DirectoryHasEveryFamilyAtItsPositions) {
  ASSERT_EQ(graphicsArchive.directory.size(), 588u);
  const std::pair<int, const char*> fixed[] = {
      {0, "WLDMAP.BMP"},     {1, "LGOAL.BMP"},      {2, "LGOALX.BMP"},     {3, "RGOAL.BMP"},
      {4, "RGOALX.BMP"},     {5, "POLE.BMP"},       {6, "POLEX.BMP"},      {7, "BALL.BMP"},
      {8, "BALLX.BMP"},      {9, "KANBAN0.BMP"},    {10, "KANBAN1.BMP"},   {11, "PLYA_1X.BMP"},
      {16, "PLYF_1X.BMP"},   {22, "PLYL_1X.BMP"},   {23, "HD_1X.BMP"},     {24, "RUN1_1X.BMP"},
      {25, "RUN2_1X.BMP"},   {26, "kansyuu.BMP"},   {27, "kabe.BMP"},      {28, "SCUP1.BMP"},
      {29, "SCUP1X.BMP"},    {30, "飛行機.BMP"},    {31, "PLYA_1.BMP"},    {38, "PLYH_1.BMP"},
      {39, "HD_1.BMP"},      {40, "RUN1_1.BMP"},    {41, "RUN2_1.BMP"},    {42, "PLYA_2.BMP"},
      {141, "PLYA_11.BMP"},  {317, "PLYA_27.BMP"},  {327, "RUN2_27.BMP"},  {328, "PLY2A_1.BMP"},
      {335, "PLY2H_1.BMP"},  {336, "PLYI_1.BMP"},   {339, "PLYL_1.BMP"},   {340, "PLY2A_2.BMP"},
      {400, "PLY2A_7.BMP"},  {411, "PLYL_7.BMP"},   {412, "PLYA_BM.BMP"},  {423, "PLYL_BM.BMP"},
      {424, "H_BM.BMP"},     {425, "RUN1_BM.BMP"},  {426, "RUN2_BM.BMP"},  {427, "FBUKI1.BMP"},
      {429, "FBUKI3.BMP"},   {430, "FBUKI1X.BMP"},  {432, "FBUKI3X.BMP"},  {433, "ENT.BMP"},
      {434, "SF_JPN.BMP"},   {464, "SF_MOR.BMP"},   {465, "歓喜1.BMP"},    {474, "歓喜10.BMP"},
      {476, "歓喜12.BMP"},   {477, "KANSYUU1.BMP"}, {484, "KANSYUU8.BMP"}, {485, "SS1F_JPN.BMP"},
      {486, "SS2F_JPN.BMP"}, {546, "SS2F_MOR.BMP"}, {547, "MF_JPN.BMP"},   {577, "MF_MOR.BMP"},
      {578, "MF_X.BMP"},     {579, "UFO1.bmp"},     {587, "UFO9.bmp"}};
  for (const auto& [position, name] : fixed) EXPECT_EQ(At(position), name) << position;
}

TEST_F(PictureNames, KitAndClassSheetsRunInBlocks) {
  const char* const kitSheets[11] = {"PLYA", "PLYB", "PLYC", "PLYD", "PLYE", "PLYF",
                                     "PLYG", "PLYH", "HD",   "RUN1", "RUN2"};
  for (int kit = 1; kit <= 27; ++kit) {
    for (int j = 0; j < 11; ++j) {
      EXPECT_EQ(At(31 + 11 * (kit - 1) + j), platform::Format("%s_%d.BMP", kitSheets[j], kit));
    }
  }
  const char* const classSheets[12] = {"PLY2A", "PLY2B", "PLY2C", "PLY2D", "PLY2E", "PLY2F",
                                       "PLY2G", "PLY2H", "PLYI",  "PLYJ",  "PLYK",  "PLYL"};
  for (int colourClass = 1; colourClass <= 7; ++colourClass) {
    for (int j = 0; j < 12; ++j) {
      EXPECT_EQ(At(328 + 12 * (colourClass - 1) + j),
                platform::Format("%s_%d.BMP", classSheets[j], colourClass));
    }
  }
}

TEST_F(PictureNames, NationPicturesFollowNationOrder) {
  for (int n = 0; n < 31; ++n) {
    EXPECT_STREQ(kPictureAbbreviations[n], kNations[n]) << n;
    EXPECT_EQ(At(434 + n), platform::Format("SF_%s.BMP", kNations[n]));
    EXPECT_EQ(At(485 + 2 * n), platform::Format("SS1F_%s.BMP", kNations[n]));
    EXPECT_EQ(At(486 + 2 * n), platform::Format("SS2F_%s.BMP", kNations[n]));
    EXPECT_EQ(At(547 + n), platform::Format("MF_%s.BMP", kNations[n]));
  }
}

TEST_F(PictureNames, NamesAreUniqueAndFitTheirFields) {
  std::set<std::string> seen;
  for (const std::string& name : graphicsArchive.directory) {
    EXPECT_TRUE(seen.insert(name).second) << name;
    EXPECT_LE(platform::DisplayCells(name), 31) << name;
  }
}

TEST_F(PictureNames, LookupsCompareExactly) {
  EXPECT_EQ(FindInDirectory("WLDMAP.BMP"), 0);
  EXPECT_EQ(FindInDirectory("kansyuu.BMP"), 26);
  EXPECT_EQ(FindInDirectory("KANSYUU1.BMP"), 477);
  EXPECT_EQ(FindInDirectory("UFO1.bmp"), 579);
  EXPECT_EQ(FindInDirectory("歓喜12.BMP"), 476);
  EXPECT_EQ(FindInDirectory("KANSYUU.BMP"), kNotInDirectory);
  EXPECT_EQ(FindInDirectory("UFO1.BMP"), kNotInDirectory);
  EXPECT_EQ(FindInDirectory("wldmap.bmp"), kNotInDirectory);
  EXPECT_EQ(FindInDirectory("WLDMAP.BMP "), kNotInDirectory);
  EXPECT_EQ(FindInDirectory(""), kNotInDirectory);
}

TEST_F(PictureNames, CacheListIsThePlayerSheetsInDirectoryOrder) {
  ASSERT_EQ(graphicsArchive.cacheList.size(), 396u);
  EXPECT_EQ(graphicsArchive.playerNameCount, 396);
  for (int i = 0; i < 396; ++i) {
    EXPECT_EQ(graphicsArchive.cacheList[std::size_t(i)], At(31 + i)) << i;
  }
  EXPECT_EQ(FindInCache("PLYA_1.BMP"), 1);
  EXPECT_EQ(FindInCache("RUN2_27.BMP"), 297);
  EXPECT_EQ(FindInCache("PLY2A_1.BMP"), 298);
  EXPECT_EQ(FindInCache("PLYL_7.BMP"), 381);
  EXPECT_EQ(FindInCache("PLYA_BM.BMP"), 382);
  EXPECT_EQ(FindInCache("RUN2_BM.BMP"), 396);
  for (const char* uncached : {"WLDMAP.BMP", "PLYA_1X.BMP", "kansyuu.BMP", "FBUKI1.BMP", "UFO9.bmp",
                               "PLYA_28.BMP", "PLY2A_8.BMP"}) {
    EXPECT_EQ(FindInCache(uncached), 0) << uncached;
  }
}

TEST_F(PictureNames, BuildingAgainReplacesRatherThanAppends) {
  BuildDirectory();
  BuildCacheList();
  EXPECT_EQ(graphicsArchive.directory.size(), 588u);
  EXPECT_EQ(graphicsArchive.cacheList.size(), 396u);
}

}  // namespace
