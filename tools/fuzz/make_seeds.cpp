// Writes the seed corpora of the fuzz targets: for each reader a valid file of its kind and a
// few broken ones, made with the artwork generator's own encoder.
//   fuzz_make_seeds OUT_FOLDER     (writes OUT_FOLDER/archive/, campaign/, settings/, script/,
//                                   preferences/ and catalogue/)
// The script reader's valid seeds are the scripts of tests/scripts/ and tools/ themselves, and
// the catalogue reader's the catalogue the build compiles; here are only small valid ones,
// broken lines and odd spacing.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "archive/graphics_archive.h"
#include "artwork/dib_encode.h"
#include "base/game_flow_state.h"
#include "competition/fixtures.h"
#include "competition/nations.h"
#include "fuzz/mo_image.h"
#include "platform/headless/headless.h"
#include "savegame/campaign_file.h"
#include "support/campaign_stages.h"

namespace fs = std::filesystem;
using artwork::Bytes;

namespace {

void Write(const fs::path& path, const Bytes& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A small picture of its own for entry k: sizes, colour counts and storages vary.
Bytes Entry(int k) {
  const int width = 1 + k % 7, height = 1 + k % 5;
  artwork::Image image(width, height);
  const bool mask = k % 11 == 5;
  const int colours = k % 3 == 0 ? 2 : (k % 3 == 1 ? 12 : 300);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int c = (x * 31 + y * 17 + k) % colours;
      image.Set(x, y,
                mask ? ((x + y) % 2 ? artwork::kWhite : artwork::kBlack)
                     : artwork::MakeRgb(c * 7, c * 13, c * 29));
    }
  }
  return artwork::EncodeDib(image, mask ? artwork::Storage::Mask : artwork::Storage::Colour);
}

Bytes ReadBack(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A campaign as the game saves it: a new one in the qualifying league of a region.
Bytes SavedCampaign(const fs::path& folder, int region, int nation) {
  ResetGameFlow();
  ResetFixtureRecords();
  InitTeamDatabase();
  gameFlow.region = std::uint8_t(region);
  gameFlow.userNation = std::uint8_t(nation);
  gameFlow.phase = Phase::kQualifying;
  SetUpQualifying();
  SetUpRegionLeague(region);
  const fs::path file = folder / "seed.$$$";
  if (!SaveCampaign(file.string())) return Bytes{};
  Bytes bytes = ReadBack(file);
  fs::remove(file);
  return bytes;
}

Bytes Text(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

// An archive of `count` entries, the pictures of entries first to first + count - 1.
Bytes Archive(int count, int first = 0) {
  std::vector<Bytes> entries;
  for (int k = first; k < first + count; ++k) entries.push_back(Entry(k));
  return artwork::EncodeArchive(entries);
}

Bytes ImageBytes() {
  const CampaignBytes image = CampaignImage();
  return Bytes(image.begin(), image.end());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_make_seeds OUT_FOLDER\n");
    return 2;
  }
  const fs::path out = argv[1];
  // The archive target reads archives of four entries (the format is the same for any count).
  const Bytes archive = Archive(4);
  Write(out / "archive" / "valid", archive);
  Write(out / "archive" / "other-kinds", Archive(4, 4));  // a mask among them
  Write(out / "archive" / "count-one-more", Archive(5));
  Write(out / "archive" / "count-one-less", Archive(3));
  Write(out / "archive" / "truncated", Bytes(archive.begin(), archive.end() - 3));
  Bytes bogus = archive;
  const std::size_t firstEntry = 2 + 4 * 4;
  bogus[firstEntry] = 0x7F;      // header size 127
  bogus[firstEntry + 4] = 0xFF;  // an enormous width
  bogus[firstEntry + 7] = 0x7F;
  Write(out / "archive" / "bogus-header", bogus);
  Write(out / "archive" / "empty", Bytes{});

  static const platform::ResourceTable resources{};
  platform::headless::StartForTests(resources);
  fs::create_directories(out / "campaign");
  const Bytes asia = SavedCampaign(out / "campaign", 0, 2);
  const Bytes europe = SavedCampaign(out / "campaign", 1, 7);
  Write(out / "campaign" / "qualifying-asia", asia);
  Write(out / "campaign" / "qualifying-europe", europe);
  Write(out / "campaign" / "cut-short", Bytes(asia.begin(), asia.begin() + 1000));
  Bytes longer = asia;
  longer.push_back(0);
  Write(out / "campaign" / "one-byte-long", longer);
  Bytes badPhase = asia;
  badPhase[0] = 9;
  Write(out / "campaign" / "phase-out-of-range", badPhase);
  Write(out / "campaign" / "empty", Bytes{});
  // A campaign at every stage the game can save, for the checks and the play that follow.
  for (int stage = 0; stage < kCampaignStageCount; ++stage) {
    BuildCampaignAt(CampaignStage(stage), 4242);
    Write(out / "campaign" / (std::string("stage-") + CampaignStageName(CampaignStage(stage))),
          ImageBytes());
  }

  Write(out / "settings" / "valid", Bytes{2, 0});
  Write(out / "settings" / "sound-off", Bytes{0, 1});
  Write(out / "settings" / "empty", Bytes{});
  Write(out / "settings" / "short", Bytes{1});
  Write(out / "settings" / "long", Bytes{1, 0, 7});
  Write(out / "settings" / "out-of-range", Bytes{200, 9});

  // Each broken script has good lines before the bad one, so the reader must stop there.
  const fs::path script = out / "script";
  Write(script / "no-argument", Text("# program: feldo\nwait-dialog SinkiBox 1000\nadvance\n"));
  Write(script / "negative-time", Text("advance 10\nadvance -5\n"));
  Write(script / "too-big-a-number", Text("press 1\nadvance 99999999999\n"));
  Write(script / "unknown-key", Text("key-down Left\nkey Nope 10\nkey-up Left\n"));
  Write(script / "key-without-time", Text("key Left\n"));
  Write(script / "unknown-command", Text("expect-dialog none\nfrobnicate 3\n"));
  Write(script / "too-many-arguments", Text("print-control 1 2 3\n"));
  Write(script / "empty-char", Text("char   \n"));
  Write(script / "value-not-a-number", Text("expect-value level three\n"));
  Write(script / "f13", Text("key F12 10\nkey F13 10\n"));
  Write(script / "tabs-and-crlf", Text("\tpress\t9\r\nchar  x y \r\n  # a comment\r\nexpect-title  "
                                       "VEXO  WORLD CUP \r\nclose"));
  Write(script / "japanese-title",
        Text("expect-title サッカー\nexpect-message データファイル エラー\n"));
  Write(script / "vertical-tab", Text("advance\v100\n"));
  Write(script / "empty", Bytes{});

  const fs::path prefs = out / "preferences";
  Write(prefs / "valid", Text("# VEXO WORLD CUP preferences\nsmooth-motion=on\nlanguage=ja\n"));
  Write(prefs / "classic-english", Text("smooth-motion=off\nlanguage=en\n"));
  Write(prefs / "blanks-and-crlf", Text("  smooth-motion \t= off\r\n\tlanguage=en \r\n"));
  Write(prefs / "unknown-lines", Text("volume=11\n=on\nsmooth-motion\nlanguage=\n"));
  Write(prefs / "out-of-range", Text("smooth-motion=yes\nlanguage=fr\n"));
  Write(prefs / "no-last-newline", Text("language=en"));
  Write(prefs / "too-long", Text(std::string(5000, '#')));
  Write(prefs / "empty", Bytes{});

  const fs::path catalogue = out / "catalogue";
  const std::string utf8 = "Content-Type: text/plain; charset=UTF-8\n";
  const fuzz::MoEntries entries{{"", utf8}, {"試合", "Match"}, {"延長戦", "Extra time"}};
  const auto mo = [](const fuzz::MoEntries& e, bool bigEndian = false) {
    return fuzz::MoImage(e, bigEndian);
  };
  const Bytes valid = mo(entries);
  Write(catalogue / "valid", valid);
  Write(catalogue / "big-endian", mo(entries, true));
  Write(catalogue / "other-charset",
        mo({{"", "Content-Type: text/plain; charset=EUC-JP\n"}, {"試合", "Match"}}));
  Write(catalogue / "with-context-and-plural",
        mo({{"", utf8},
            {std::string("menu\x04試合"), "Match"},
            {std::string("goal\0goals", 10), std::string("Goal\0Goals", 10)},
            {"空", ""}}));
  Bytes revision = valid;
  revision[6] = 2;  // major revision 2
  Write(catalogue / "revision-two", revision);
  Bytes moreEntries = valid;
  moreEntries[8] = 200;  // a count past the tables
  Write(catalogue / "count-too-large", moreEntries);
  Write(catalogue / "cut-short", Bytes(valid.begin(), valid.end() - 6));
  Write(catalogue / "header-only", Bytes(valid.begin(), valid.begin() + 28));
  Write(catalogue / "empty", Bytes{});
  return 0;
}
