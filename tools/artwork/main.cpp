// The artwork generator: draws every picture of GDAT.DAT and ODAT.DAT, synthesises the WAV
// files and writes them into the game folder, together with a review sheet for people.
//
//   artwork --out DIR --sheet FILE.png [--icons DIR] [--allow-missing]
//
// The run fails (exit 1) when a picture of the directory is missing, when a picture is drawn
// that the directory does not name, when a picture has the wrong size or when a masked
// picture is not black wherever its mask is white. --allow-missing is for work on the
// artwork: it reports the missing pictures, then writes everything except GDAT.DAT.
// --icons writes the desktop icon at every installed size (feldo-32.png ... feldo-256.png).
#include <cstdio>
#include <exception>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "archive/graphics_archive.h"
#include "artwork/dib_encode.h"
#include "artwork/families.h"
#include "artwork/icon.h"
#include "artwork/picture.h"
#include "artwork/review_sheet.h"

namespace {

using artwork::Artwork;
using artwork::ArtworkSet;
using artwork::Bytes;
using artwork::Image;

bool WriteBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  file.close();
  if (!file) std::fprintf(stderr, "artwork: cannot write %s\n", path.c_str());
  return bool(file);
}

// Pictures of the wrong size and masked pictures that would paint over the background.
int CheckPictures(const ArtworkSet& set) {
  int faults = 0;
  for (const auto& [name, art] : set) {
    const auto expected = artwork::ExpectedPictureSize(name);
    if (expected && (art.image.width != expected->width || art.image.height != expected->height)) {
      std::fprintf(stderr, "artwork: %s is %d x %d, its family is %d x %d\n", name.c_str(),
                   art.image.width, art.image.height, expected->width, expected->height);
      ++faults;
    }
    if (artwork::IsMaskName(name) != (art.storage == artwork::Storage::Mask)) {
      std::fprintf(stderr, "artwork: %s is stored as the wrong kind (mask or colour)\n",
                   name.c_str());
      ++faults;
    }
    const std::string maskName = artwork::MaskNameOf(name);
    const auto mask = set.find(maskName);
    if (maskName.empty() || mask == set.end()) continue;
    const Image& m = mask->second.image;
    if (m.width != art.image.width || m.height != art.image.height) {
      std::fprintf(stderr, "artwork: %s and its mask %s differ in size\n", name.c_str(),
                   maskName.c_str());
      ++faults;
      continue;
    }
    for (std::size_t i = 0; i < m.pixels.size(); ++i) {
      if (m.pixels[i] == artwork::kWhite && art.image.pixels[i] != artwork::kBlack) {
        std::fprintf(stderr, "artwork: %s is not black where %s is transparent\n", name.c_str(),
                     maskName.c_str());
        ++faults;
        break;
      }
    }
  }
  return faults;
}

// Rows of the review sheet start at these directory positions (a new family each).
bool StartsSheetRow(std::size_t position) {
  // Two kit codes (eleven sheets each) or two classes (twelve each) to a row.
  if (position >= 31 && position < 328) return (position - 31) % 22 == 0;
  if (position >= 328 && position < 412) return (position - 328) % 24 == 0;
  for (std::size_t start : {9, 11, 23, 26, 28, 30, 412, 427, 433, 434, 465, 477, 485, 547, 579}) {
    if (position == start) return true;
  }
  return false;
}

}  // namespace

static int Generate(int argc, char** argv) {
  std::string outFolder, sheetPath, iconFolder;
  bool allowMissing = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--out" && i + 1 < argc) {
      outFolder = argv[++i];
    } else if (arg == "--sheet" && i + 1 < argc) {
      sheetPath = argv[++i];
    } else if (arg == "--icons" && i + 1 < argc) {
      iconFolder = argv[++i];
    } else if (arg == "--allow-missing") {
      allowMissing = true;
    } else {
      std::fprintf(stderr,
                   "usage: artwork --out DIR [--sheet FILE.png] [--icons DIR] [--allow-missing]\n");
      return 1;
    }
  }
  if (outFolder.empty()) {
    std::fprintf(stderr,
                 "usage: artwork --out DIR [--sheet FILE.png] [--icons DIR] [--allow-missing]\n");
    return 1;
  }

  BuildDirectory();
  const std::vector<std::string>& directory = graphicsArchive.directory;

  ArtworkSet set;
  artwork::DrawPitchPictures(&set);
  artwork::DrawCeremonyPictures(&set);
  artwork::DrawPlayerSheets(&set);
  const std::vector<Image> titles = artwork::DrawTitlePictures();

  std::vector<std::string> missing;
  for (const std::string& name : directory) {
    if (set.find(name) == set.end()) missing.push_back(name);
  }
  const std::set<std::string> named(directory.begin(), directory.end());
  int faults = 0;
  for (const auto& [name, art] : set) {
    if (named.count(name) == 0) {
      std::fprintf(stderr, "artwork: %s is drawn but not in the directory\n", name.c_str());
      ++faults;
    }
  }
  if (!missing.empty()) {
    std::fprintf(stderr, "artwork: %zu of %zu pictures are missing:", missing.size(),
                 directory.size());
    for (const std::string& name : missing) std::fprintf(stderr, " %s", name.c_str());
    std::fprintf(stderr, "\n");
    if (!allowMissing) ++faults;
  }
  faults += CheckPictures(set);
  if (titles.size() != 4) {
    std::fprintf(stderr, "artwork: the launcher needs 4 pictures, %zu drawn\n", titles.size());
    ++faults;
  }
  for (std::size_t i = 0; i < titles.size(); ++i) {
    const artwork::PictureSize want = artwork::TitlePictureSize(int(i));
    if (titles[i].width != want.width || titles[i].height != want.height) {
      std::fprintf(stderr, "artwork: title picture %zu has the wrong size\n", i + 1);
      ++faults;
    }
  }
  if (faults != 0) return 1;

  const std::string folder = outFolder + "/";
  bool written = true;
  if (missing.empty()) {
    std::vector<Bytes> entries;
    for (const std::string& name : directory) {
      const Artwork& art = set.at(name);
      entries.push_back(artwork::EncodeDib(art.image, art.storage));
    }
    written &= WriteBytes(folder + "GDAT.DAT", artwork::EncodeArchive(entries));
  }
  std::vector<Bytes> titleEntries;
  for (const Image& title : titles) {
    titleEntries.push_back(artwork::EncodeDib(title, artwork::Storage::Colour));
  }
  written &= WriteBytes(folder + "ODAT.DAT", artwork::EncodeArchive(titleEntries));
  written &= artwork::WriteSounds(outFolder);

  if (!sheetPath.empty()) {
    std::vector<artwork::SheetEntry> entries;
    for (std::size_t i = 0; i < directory.size(); ++i) {
      const auto found = set.find(directory[i]);
      if (found == set.end()) continue;
      artwork::SheetEntry entry{directory[i], &found->second, nullptr, StartsSheetRow(i)};
      const auto mask = set.find(artwork::MaskNameOf(directory[i]));
      if (mask != set.end()) entry.mask = &mask->second;
      entries.push_back(entry);
    }
    std::vector<Artwork> titleArt;
    for (const Image& title : titles) titleArt.push_back({title, artwork::Storage::Colour});
    for (std::size_t i = 0; i < titleArt.size(); ++i) {
      entries.push_back({"ODAT.DAT " + std::to_string(i + 1), &titleArt[i], nullptr, i == 0});
    }
    if (!artwork::WriteReviewSheet(sheetPath, entries)) {
      std::fprintf(stderr, "artwork: cannot write %s\n", sheetPath.c_str());
      written = false;
    }
  }
  if (!iconFolder.empty() && !artwork::WriteIcons(iconFolder)) {
    std::fprintf(stderr, "artwork: cannot write the icons into %s\n", iconFolder.c_str());
    written = false;
  }
  return written ? 0 : 1;
}

int main(int argc, char** argv) {
  try {
    return Generate(argc, argv);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "artwork: %s\n", error.what());
    return 1;
  }
}
