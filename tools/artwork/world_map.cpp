// The world map of the region choice: 560 × 280, the Pacific in the middle as maps are drawn
// in Japan, latitudes on a Mercator scale, the continents coloured by the game's regions and placed
// under the region buttons: Europe top left, Africa bottom left, Asia in the middle, North and
// Central America top right, South America bottom right. Coarse outlines of our own, in degrees of
// longitude and latitude, projected by two simple transforms: one for the Old World and Oceania,
// one (slightly sheared, so both Americas stand under their buttons) for the New World.
#include <cmath>
#include <vector>

#include "artwork/canvas.h"
#include "artwork/ceremony.h"

namespace artwork {

namespace {

constexpr int kWidth = 560, kHeight = 280;

struct LonLat {
  double lon, lat;
};
using Outline = std::vector<LonLat>;

enum class World { Old, New };

// Latitudes on a Mercator scale, which gives the middle latitudes (Europe, China, North
// America) more room than the tropics: row 42 is 62° north, row 182 25° south.
constexpr double kEquatorRow = 147.7, kMercatorScale = 76.1;
constexpr double kDegree = 3.14159265358979323846 / 180.0;

double LatitudeRow(double lat) {
  return kEquatorRow - kMercatorScale * std::log(std::tan(45.0 * kDegree + lat * kDegree / 2));
}

double RowLatitude(double y) {
  return (2 * std::atan(std::exp((kEquatorRow - y) / kMercatorScale)) - 90.0 * kDegree) / kDegree;
}

PointF Project(World world, LonLat p) {
  const double y = LatitudeRow(p.lat);
  if (world == World::Old) return {40.0 + (p.lon + 10.0) * 1.75, y};
  return {460.0 + (p.lon + 100.0) * 1.5 + (p.lat - 45.0) * 0.97, y};
}

LonLat UnprojectOld(double x, double y) {
  return {(x - 40.0) / 1.75 - 10.0, RowLatitude(y)};
}

const Outline kEurasia = {
    {-9, 43},     {-9, 37},     {-6, 36},    {-2, 37},   {0, 39},       {3, 42},    {3, 43.5},
    {7, 43.5},    {9, 44},      {12, 42},    {15, 40},   {16, 38},      {17, 39},   {18, 40},
    {16, 41},     {14, 42},     {12, 44},    {13, 45.5}, {15, 45},      {19, 42},   {20, 40},
    {22, 37},     {23, 39},     {24, 38},    {26, 39},   {26, 41},      {29, 41},   {31, 41},
    {36, 41},     {41, 41},     {38, 37},    {36, 36},   {35, 33},      {34, 31},   {33, 31},
    {34, 29.5},   {35, 28},     {37, 25},    {39, 21},   {42, 16},      {43, 13},   {45, 13},
    {49, 14},     {52, 16},     {55, 17},    {57, 19},   {59, 22},      {56, 25},   {56, 26.5},
    {54, 24},     {52, 24},     {51, 26},    {50, 26},   {48, 29},      {48, 30},   {51, 28},
    {54, 27},     {57, 26},     {61, 25},    {66, 25},   {67, 24},      {70, 21},   {73, 17},
    {74, 13},     {77, 8},      {79, 10},    {80, 15},   {82, 17},      {87, 21},   {90, 22},
    {92, 21},     {94, 17},     {94, 16},    {97, 17},   {98, 14},      {99, 10},   {100, 7},
    {101, 3},     {104, 1.5},   {103, 5},    {102, 6},   {100.5, 13.5}, {103, 11},  {105, 9},
    {107, 11},    {109, 12},    {108, 16},   {106, 19},  {108, 21.5},   {111, 21},  {115, 22.5},
    {119, 25},    {121, 28},    {122, 31},   {121, 32},  {120, 34},     {119, 35},  {122, 37},
    {121, 38},    {118, 38},    {118, 39},   {121, 41},  {122, 40},     {125, 40},  {126, 38},
    {127, 35},    {129, 35},    {129, 37},   {128, 39},  {130, 42},     {133, 43},  {138, 46},
    {140, 48},    {141, 52},    {138, 54},   {135, 55},  {137, 57},     {142, 59},  {148, 59},
    {152, 59},    {156, 61.5},  {160, 61},   {163, 62},  {160, 58},     {156, 57},  {156, 51},
    {160, 53},    {163, 56},    {163, 60},   {170, 60},  {177, 62},     {180, 65},  {180, 68.5},
    {176, 70},    {170, 70},    {161, 69.5}, {152, 71},  {140, 72},     {130, 71},  {128, 73},
    {113, 74},    {105, 77.5},  {95, 76},    {88, 75},   {80, 73},      {72, 72.5}, {68, 73},
    {68, 69},     {60, 69},     {54, 69},    {45, 68},   {44, 66},      {40, 66},   {34, 69},
    {28, 71},     {20, 70},     {14, 68},    {12, 65},   {8, 63},       {5, 61},    {5, 59},
    {7, 58},      {10, 59},     {11, 59},    {12, 56},   {13, 55.5},    {16, 56},   {16, 57},
    {18, 59},     {17.5, 61},   {21, 64},    {24, 65.5}, {25, 65},      {22, 63},   {21, 61},
    {22, 60},     {30, 60},     {28, 59.5},  {23, 59},   {24, 57.5},    {21, 57},   {21, 55},
    {19, 54.5},   {14, 54},     {11, 54},    {10, 55},   {10.5, 57.5},  {8, 57},    {8, 55},
    {8.5, 53.5},  {7, 53.5},    {5, 53},     {4, 51.5},  {2, 51},       {1.5, 50},  {-1, 49.5},
    {-1.5, 48.5}, {-4.5, 48.5}, {-4, 47.5},  {-2, 47},   {-1, 46},      {-1.5, 44}, {-9, 43.5}};

const Outline kAfrica = {
    {-17, 21},     {-17, 15},     {-16.5, 12},  {-13, 9},     {-11, 7},     {-7.5, 4.5},
    {-2, 5},       {2, 6.3},      {5, 5.5},     {7, 4.4},     {9, 4},       {9.8, 2.5},
    {9.3, -1},     {12, -5},      {13.2, -9},   {13.7, -12},  {11.8, -17},  {14.5, -22.5},
    {15.2, -27},   {17, -29.5},   {18.4, -34},  {20, -34.8},  {22.5, -34},  {26, -33.8},
    {28.5, -32.5}, {30.8, -30},   {32.6, -26},  {35.5, -24},  {35.2, -21},  {36.8, -17.8},
    {40.5, -15},   {40.4, -10.5}, {39.2, -7},   {39.2, -4.7}, {41.5, -1.5}, {43.5, 0.8},
    {46, 2.5},     {48, 4.5},     {51, 10.5},   {51.2, 11.8}, {48, 11.2},   {44, 10.4},
    {43.2, 11.5},  {41.8, 11.3},  {39.5, 15.5}, {37.5, 18.5}, {37, 21},     {35.7, 23.9},
    {33.6, 27.5},  {32.5, 29.9},  {32.6, 31},   {29, 30.9},   {25, 31.8},   {20, 31},
    {19.8, 30.3},  {18, 30.8},    {15.3, 32.2}, {11.5, 33.2}, {10.3, 36.9}, {8, 36.9},
    {3, 36.8},     {-1.5, 35.2},  {-5.9, 35.8}, {-9.3, 32.5}, {-9.8, 29.6}, {-13, 27.7},
    {-14.5, 26},   {-16.2, 24}};

const std::vector<Outline> kOldWorldIslands = {
    // Great Britain, Ireland
    {{-5, 50},
     {1.5, 51},
     {1.7, 52.7},
     {0, 53.5},
     {-1.5, 55},
     {-2, 56},
     {-3, 58.5},
     {-5, 58.6},
     {-6, 57},
     {-5.5, 56},
     {-4.8, 54.8},
     {-3, 54.5},
     {-3, 53.3},
     {-4.5, 53},
     {-5, 52},
     {-4.5, 51.5},
     {-5.5, 50}},
    {{-6, 52}, {-6, 54}, {-7.5, 55.3}, {-10, 54}, {-10, 52}, {-8, 51.5}},
    // Japan
    {{130, 31},   {131, 33.5}, {130.9, 34},   {132.5, 35.5}, {135.5, 35.7}, {136.8, 37.3},
     {138.5, 38}, {140, 40},   {140, 41.5},   {141.5, 41.4}, {142, 39},     {141, 38},
     {141, 36},   {140.8, 35}, {139.8, 35},   {138.8, 34.6}, {137, 34.6},   {136, 33.5},
     {135, 34},   {134, 33.3}, {132.5, 32.8}, {131.5, 31.3}},
    {{140, 41.8}, {140, 43}, {141.5, 45.4}, {143, 44.2}, {145.5, 43.3}, {143.3, 42}, {141, 42.3}},
    // Taiwan, Sri Lanka, the Philippines
    {{120.2, 22.5}, {121, 25.2}, {122, 25}, {120.8, 22}},
    {{80, 6}, {79.8, 8}, {80.2, 9.8}, {81.8, 7.5}, {81, 6}},
    {{120, 14}, {120.6, 18.5}, {122.2, 18.4}, {122, 16}, {124, 13}, {121, 13.7}},
    {{122, 7}, {123, 8.5}, {126, 9}, {126.5, 7}, {125.5, 5.8}, {124, 6.5}},
    // Sumatra, Java, Borneo, Sulawesi, New Guinea
    {{95.3, 5.6},
     {98, 4},
     {100.3, 0.5},
     {104, -2.5},
     {106, -5.8},
     {104.5, -5.8},
     {101, -3},
     {98.5, 0},
     {96, 3}},
    {{105.5, -6.8},
     {106.5, -6},
     {111, -6.5},
     {114.5, -7.7},
     {114.4, -8.6},
     {110, -8.1},
     {106, -7.4}},
    {{109, 1.5},
     {110, 1.8},
     {112, 3},
     {115.5, 5},
     {117, 7},
     {119, 5},
     {118, 2},
     {119, 1},
     {117.5, -0.5},
     {116.5, -3.5},
     {114, -4},
     {111, -3},
     {110, -1.5}},
    {{119.5, -5.5},
     {120.5, -2},
     {119.8, 0},
     {123, 1},
     {125, 1.4},
     {121, 0.5},
     {121, -1},
     {123, -1},
     {122, -4.5},
     {121, -3},
     {120.5, -5.7}},
    {{131, -1.2},
     {134, -0.8},
     {138, -1.6},
     {141, -2.6},
     {145, -4.3},
     {148, -6},
     {150, -10.5},
     {147, -10},
     {144, -7.7},
     {141, -9},
     {138, -8.4},
     {137.5, -5},
     {133, -4},
     {132, -2.8}},
    // Madagascar
    {{44, -25}, {47, -25}, {50, -15}, {49.5, -12}, {48, -13.5}, {44, -17}, {43.5, -22}},
};

const std::vector<Outline> kOceania = {
    {{114, -22},     {114, -26.5},  {115, -34},   {118, -35},     {123, -34},     {126, -32},
     {131, -31.5},   {134, -33},    {136, -35},   {138, -34.5},   {138.5, -35.6}, {140, -38},
     {144, -38.5},   {146.5, -39},  {150, -37.5}, {151, -34},     {153, -31},     {153.5, -28},
     {153, -25},     {150, -22.5},  {148, -20},   {146, -18.5},   {145.5, -15},   {143.5, -14},
     {142.5, -10.7}, {141.5, -13},  {141.5, -17}, {139.5, -17.5}, {136.5, -15.5}, {136.5, -12},
     {132.5, -11.5}, {130, -12.5},  {129.5, -15}, {126.5, -14},   {124, -16.5},   {122, -18},
     {119, -20},     {116.5, -20.7}},
    {{144.6, -40.7}, {148.3, -40.9}, {148, -43}, {146.5, -43.6}, {145, -42.3}},
    {{172.6, -34.5},
     {174.5, -36},
     {178.5, -37.7},
     {177, -39.5},
     {175, -41.6},
     {173.8, -39.3},
     {174.5, -37}},
    {{172.7, -40.5},
     {174.3, -41.5},
     {173, -43.8},
     {171, -45},
     {169, -46.6},
     {166.5, -46},
     {168.2, -44},
     {171.3, -42}},
};

const Outline kNorthAmerica = {
    {-168, 65.5},   {-163, 66.5},   {-164.5, 68.5}, {-157, 71},     {-150, 70.5},   {-141, 69.7},
    {-133, 69.5},   {-124, 69.5},   {-115, 68.5},   {-108, 68},     {-97, 68},      {-94, 71.5},
    {-89, 68.5},    {-82, 69.5},    {-81.5, 66.5},  {-86.5, 65.8},  {-88, 64},      {-94, 61},
    {-94, 59},      {-92.5, 57},    {-88, 56.5},    {-82.3, 55},    {-82, 52.5},    {-79.5, 51.5},
    {-78.5, 55},    {-77, 60},      {-78, 62.5},    {-73, 62},      {-69, 61},      {-65.5, 60},
    {-61.5, 56},    {-56, 52},      {-60, 50},      {-66.5, 50},    {-71, 46.8},    {-65, 48.5},
    {-64.5, 46.2},  {-61, 45.5},    {-66, 44},      {-70, 43.5},    {-70, 41.7},    {-74, 40.5},
    {-76, 38.5},    {-75.5, 35.5},  {-77.5, 34},    {-81, 31.7},    {-80, 27},      {-80.4, 25.2},
    {-81.8, 26},    {-82.8, 28},    {-84, 30},      {-86, 30.4},    {-89.5, 30.2},  {-89.4, 29},
    {-91.5, 29.5},  {-94, 29.6},    {-97.3, 27.5},  {-97.5, 24},    {-97.3, 21.5},  {-96, 19},
    {-94.5, 18.2},  {-91.5, 18.5},  {-90.5, 20},    {-90.3, 21},    {-87, 21.5},    {-87.5, 19},
    {-88.3, 16},    {-86, 15.8},    {-84, 15},      {-83.3, 12.5},  {-83.7, 11},    {-82, 9},
    {-79.5, 9.6},   {-77.4, 8.6},   {-78, 7.2},     {-79.5, 7.5},   {-81, 7.6},     {-83, 8.3},
    {-85.7, 10},    {-85.7, 11.2},  {-87.5, 13},    {-91.4, 13.9},  {-94, 16},      {-96.5, 15.7},
    {-100, 17},     {-103.5, 18.3}, {-105.5, 20.5}, {-105.3, 23},   {-108, 25.3},   {-111, 28},
    {-112.8, 31.4}, {-114.5, 30},   {-112.5, 26.5}, {-110, 23},     {-109.4, 23.2}, {-112, 24.8},
    {-114, 28},     {-115.7, 30.3}, {-117.1, 32.5}, {-118.5, 34},   {-120.6, 34.6}, {-122.4, 37.2},
    {-124.2, 40.5}, {-124, 46},     {-124.7, 48.4}, {-123, 48.9},   {-125, 50},     {-128, 51},
    {-130.5, 54.5}, {-133.5, 57},   {-137, 58.5},   {-140.5, 59.8}, {-146, 60.7},   {-151.5, 59.2},
    {-154, 57.5},   {-158, 56},     {-162, 55},     {-164.5, 54.5}, {-161, 56.4},   {-157.5, 58.7},
    {-162, 58.6},   {-164.8, 60.5}, {-166, 61.5},   {-165.5, 62.8}, {-164.5, 63.2}, {-161, 64.4},
    {-166, 64.6}};

const Outline kSouthAmerica = {
    {-77.4, 8.6},   {-76, 9.5},     {-75.3, 10.8},  {-73, 11.5},    {-71.8, 12.4},  {-71.5, 11},
    {-70, 11.6},    {-68, 10.5},    {-64, 10.6},    {-62, 10.7},    {-61, 8.5},     {-58.5, 7},
    {-57, 6},       {-54, 5.8},     {-52, 4.5},     {-51, 3.9},     {-50, 1.8},     {-49.9, 0.1},
    {-48.5, -1},    {-44.5, -2.5},  {-41.5, -2.9},  {-39, -4},      {-35.3, -5.2},  {-34.8, -7.5},
    {-35.2, -9.3},  {-37.2, -11.5}, {-39, -13.5},   {-39.2, -17.6}, {-40.5, -20.5}, {-42, -23},
    {-44.7, -23.3}, {-48.5, -26},   {-48.8, -28.4}, {-50.7, -31},   {-52.8, -34},   {-54.9, -35},
    {-57, -35},     {-57.5, -36.5}, {-57.5, -38.2}, {-62, -39},     {-62.3, -40.8}, {-65, -41},
    {-64.5, -42.5}, {-63.8, -42.1}, {-65.3, -45},   {-67.5, -46.2}, {-66, -48},     {-68.5, -50.2},
    {-69, -52},     {-71, -53.5},   {-72.5, -53},   {-75, -51},     {-75.4, -48},   {-74, -43.5},
    {-73.6, -40},   {-73.5, -37},   {-71.5, -32},   {-71.3, -28.5}, {-70.3, -24},   {-70.2, -19},
    {-71.5, -17.3}, {-75.2, -15.2}, {-77, -12},     {-79.5, -7.5},  {-81.2, -6},    {-80.3, -3.5},
    {-80.9, -1.8},  {-80, 0.9},     {-79, 1.8},     {-78.6, 3},     {-77.3, 4},     {-77.4, 7}};

const std::vector<Outline> kNewWorldIslands = {
    // Baffin, Ellesmere, Victoria islands
    {{-80, 73.5},
     {-72, 71},
     {-68.5, 70},
     {-67, 68.5},
     {-61.5, 66.5},
     {-65, 65},
     {-66, 62},
     {-71, 62.5},
     {-74.5, 64.5},
     {-78, 64.5},
     {-73.5, 67.5},
     {-77, 69.5},
     {-86, 70},
     {-89, 71.5},
     {-85, 73.5}},
    {{-90, 76.5}, {-78, 77}, {-75, 79}, {-63, 82}, {-70, 83}, {-90, 81}, {-95, 78.5}},
    {{-118, 70.5}, {-110, 70.6}, {-101, 69.5}, {-101, 71}, {-106, 73}, {-114, 73.2}, {-118, 72.5}},
    // Cuba, Hispaniola, Jamaica
    {{-85, 21.9},
     {-83, 23},
     {-80.5, 23.1},
     {-77.5, 21.8},
     {-74.2, 20.2},
     {-77.6, 19.9},
     {-81, 21.6}},
    {{-74.4, 18.4}, {-72.8, 19.9}, {-70, 19.7}, {-68.4, 18.6}, {-71.3, 17.6}, {-74.2, 18.2}},
    {{-78.3, 18.4}, {-76.2, 18.1}, {-76.8, 17.9}, {-77.8, 17.9}},
    // Greenland (it reaches over the map's right edge and goes on at the left) and Iceland
    {{-73, 78}, {-66, 80.5}, {-58, 82}, {-40, 83.5}, {-22, 82.5}, {-18, 80},   {-20, 76.5},
     {-22, 73}, {-24, 70},   {-32, 68}, {-36, 65.5}, {-41, 63},   {-43.5, 60}, {-48, 61},
     {-51, 64}, {-53.5, 67}, {-54, 70}, {-56, 73},   {-60, 76},   {-68, 77}},
    {{-24, 65}, {-22, 66.4}, {-15, 66.5}, {-13.5, 65}, {-18, 63.4}, {-22, 63.8}},
};

// Inland seas cut out of Eurasia: the Black Sea and the Caspian.
const std::vector<Outline> kInlandSeas = {
    {{28, 41.5},
     {28, 43.5},
     {30, 45.5},
     {33, 44.5},
     {35.5, 45},
     {38, 47},
     {39, 46},
     {37.5, 44.5},
     {40, 43.5},
     {41.5, 42},
     {38, 41},
     {33, 42},
     {30, 41}},
    {{47, 45},
     {49, 46.5},
     {51.5, 47},
     {53, 46},
     {51, 44.5},
     {51.2, 43},
     {52.6, 42},
     {53, 40},
     {54, 38},
     {52, 37.2},
     {49, 38},
     {49.5, 40.5},
     {47.5, 43}},
};

constexpr Rgb kOcean = MakeRgb(40, 96, 192);
constexpr Rgb kGrid = MakeRgb(80, 136, 216);
constexpr Rgb kCoast = MakeRgb(24, 56, 40);
constexpr Rgb kEuropeLand = MakeRgb(144, 208, 96);
constexpr Rgb kAsiaLand = MakeRgb(240, 200, 96);
constexpr Rgb kAfricaLand = MakeRgb(232, 152, 80);
constexpr Rgb kNorthAmericaLand = MakeRgb(112, 200, 160);
constexpr Rgb kSouthAmericaLand = MakeRgb(216, 216, 96);
constexpr Rgb kOtherLand = MakeRgb(208, 200, 176);

// Europe's border with Asia: the Urals, the Ural river down to the Caspian, the Caucasus,
// the Black Sea and the Bosporus (Turkey counts as Asia here).
bool InEurope(LonLat p) {
  if (p.lat < 35) return false;
  if (p.lon < 26) return true;
  if (p.lat < 41.2) return false;
  if (p.lat < 44) return p.lon < 29;
  if (p.lat < 47) return p.lon < 47;
  if (p.lat < 51) return p.lon < 52 + (p.lat - 47) * 2;
  return p.lon < 60 + 2 * std::sin(p.lat * 0.5);
}

// Fills the outline at its place and, for outlines that cross the map's edge, once more a
// map's width to the left or right.
void FillOutline(Image* image, World world, const Outline& outline, Rgb colour) {
  std::vector<PointF> points;
  for (const LonLat& p : outline) points.push_back(Project(world, p));
  for (int shift : {-kWidth, 0, kWidth}) {
    std::vector<PointF> shifted = points;
    for (PointF& p : shifted) p.x += shift;
    FillPolygon(image, shifted, colour);
  }
}

}  // namespace

Rgb RegionLandColour(int region) {
  switch (region) {
    case 0:
      return kAsiaLand;
    case 1:
      return kEuropeLand;
    case 2:
      return kSouthAmericaLand;
    case 3:
      return kNorthAmericaLand;
    case 4:
      return kAfricaLand;
    default:
      return kOtherLand;
  }
}

Image WorldMapPicture() {
  Image map(kWidth, kHeight, kOcean);
  // Dotted parallels every 30 degrees and meridians every 70 pixels.
  for (int lat = -60; lat <= 60; lat += 30) {
    const int y = int(std::lround(LatitudeRow(lat)));
    for (int x = 0; x < kWidth; x += 3) map.Set(x, y, kGrid);
  }
  for (int x = 35; x < kWidth; x += 70) {
    for (int y = 0; y < kHeight; y += 3) map.Set(x, y, kGrid);
  }

  Image land(kWidth, kHeight, kKey);
  // Eurasia, coloured by region: Europe west of the Urals and the Bosporus, Asia beyond.
  Image eurasia(kWidth, kHeight, kKey);
  FillOutline(&eurasia, World::Old, kEurasia, kAsiaLand);
  for (const Outline& sea : kInlandSeas) FillOutline(&eurasia, World::Old, sea, kKey);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (eurasia.Get(x, y) == kKey) continue;
      const LonLat p = UnprojectOld(x + 0.5, y + 0.5);
      land.Set(x, y, InEurope(p) ? kEuropeLand : kAsiaLand);
    }
  }
  for (const Outline& island : kOldWorldIslands) {
    const LonLat p = island.front();
    const Rgb colour =
        p.lon < 20 ? kEuropeLand : (p.lon < 60 && p.lat < 0 ? kAfricaLand : kAsiaLand);
    FillOutline(&land, World::Old, island, colour);
  }
  FillOutline(&land, World::Old, kAfrica, kAfricaLand);
  for (const Outline& piece : kOceania) FillOutline(&land, World::Old, piece, kOtherLand);
  FillOutline(&land, World::New, kNorthAmerica, kNorthAmericaLand);
  FillOutline(&land, World::New, kSouthAmerica, kSouthAmericaLand);
  for (std::size_t i = 0; i < kNewWorldIslands.size(); ++i) {
    // Greenland and Iceland (the last two) belong to no region of the game.
    const bool caribbeanOrCanada = i + 2 < kNewWorldIslands.size();
    FillOutline(&land, World::New, kNewWorldIslands[i],
                caribbeanOrCanada ? kNorthAmericaLand : kOtherLand);
  }
  // Antarctica's coast along the bottom edge.
  for (int x = 0; x < kWidth; ++x) {
    const int top = 268 + int(std::lround(3 * std::sin(x * 0.07) + 2 * std::sin(x * 0.023)));
    FillRect(&land, x, top, 1, kHeight - top, kOtherLand);
  }
  // Coastlines: one dark pixel around the land, on the sea side.
  Image coast = land;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (land.Get(x, y) != kKey) continue;
      for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        if (land.Inside(x + dx, y + dy) && land.Get(x + dx, y + dy) != kKey) {
          coast.Set(x, y, kCoast);
          break;
        }
      }
    }
  }
  BlitKeyed(&map, coast, 0, 0);
  return map;
}

}  // namespace artwork
