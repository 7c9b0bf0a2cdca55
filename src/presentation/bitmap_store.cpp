// The bitmap store and the loaders that fill it from the graphics archive.
#include "presentation/bitmap_store.h"

#include "archive/graphics_archive.h"
#include "base/record_resets.h"
#include "match/match_setup.h"
#include "platform/platform.h"

BitmapStore bitmapStore;

namespace {

void LoadSlot(int slot, std::string_view name) {
  if (slot < 0 || slot >= kBitmapSlots) return;
  bitmapStore.slots[std::size_t(slot)] = LoadPicture(name);
}

}  // namespace

void LoadPitchPictures() {
  bitmapStore.slots.fill(Picture{});
  static const char* const kPitchNames[27] = {
      "LGOAL.BMP",   "LGOALX.BMP",  "RGOAL.BMP",   "RGOALX.BMP",  "POLE.BMP",    "POLEX.BMP",
      "BALL.BMP",    "BALLX.BMP",   "KANBAN0.BMP", "KANBAN1.BMP", "PLYA_1X.BMP", "PLYB_1X.BMP",
      "PLYC_1X.BMP", "PLYD_1X.BMP", "PLYE_1X.BMP", "PLYF_1X.BMP", "PLYG_1X.BMP", "PLYH_1X.BMP",
      "PLYI_1X.BMP", "PLYJ_1X.BMP", "PLYK_1X.BMP", "PLYL_1X.BMP", "HD_1X.BMP",   "RUN1_1X.BMP",
      "RUN2_1X.BMP", "kansyuu.BMP", "kabe.BMP"};
  for (int slot = 0; slot < 27; ++slot) LoadSlot(slot, kPitchNames[slot]);
  LoadSlot(145, "SCUP1.BMP");
  LoadSlot(146, "SCUP1X.BMP");
  bitmapStore.aeroplane = LoadPicture("飛行機.BMP");
}

void LoadFlagPictures() {
  static const char* const kTickerTapeNames[6] = {"FBUKI1.BMP",  "FBUKI2.BMP",  "FBUKI3.BMP",
                                                  "FBUKI1X.BMP", "FBUKI2X.BMP", "FBUKI3X.BMP"};
  for (std::size_t i = 0; i < bitmapStore.tickerTape.size(); ++i) {
    bitmapStore.tickerTape[i] = LoadPicture(kTickerTapeNames[i]);
  }
  bitmapStore.tunnel = LoadPicture("ENT.BMP");
  for (std::size_t nation = 0; nation < bitmapStore.smallFlags.size(); ++nation) {
    bitmapStore.smallFlags[nation] =
        LoadPicture(platform::Format("SF_%s.BMP", kPictureAbbreviations[nation]));
  }
}

void LoadTeamSheets(int firstSlot, int kitCode) {
  const int kit = kitCode < 1 || kitCode > 27 ? 1 : kitCode;
  const int colourClass = KitColourClass(kit);
  for (int pose = 0; pose < 8; ++pose) {
    const char letter = char('A' + pose);
    LoadSlot(firstSlot + pose, platform::Format("PLY%c_%d.BMP", letter, kit));
    LoadSlot(firstSlot + 8 + pose, platform::Format("PLY2%c_%d.BMP", letter, colourClass));
  }
  for (int pose = 0; pose < 4; ++pose) {
    const char letter = char('I' + pose);
    LoadSlot(firstSlot + 16 + pose, platform::Format("PLY%c_%d.BMP", letter, colourClass));
  }
  LoadSlot(firstSlot + 20, platform::Format("HD_%d.BMP", kit));
  LoadSlot(firstSlot + 21, platform::Format("RUN1_%d.BMP", kit));
  LoadSlot(firstSlot + 22, platform::Format("RUN2_%d.BMP", kit));
}

void LoadDarkOverlaySheets(int firstSlot) {
  for (int pose = 0; pose < 12; ++pose) {
    LoadSlot(firstSlot + pose, platform::Format("PLY%c_BM.BMP", char('A' + pose)));
  }
  LoadSlot(firstSlot + 12, "H_BM.BMP");
  LoadSlot(firstSlot + 13, "RUN1_BM.BMP");
  LoadSlot(firstSlot + 14, "RUN2_BM.BMP");
}

void ReleasePictures() {
  ResetBitmapStore();
  ReleaseArchivePictures();
}

void ResetBitmapStore() {
  bitmapStore = BitmapStore{};
}

namespace {
const bool kBitmapStoreRegistered = RegisterRecordReset(ResetBitmapStore);
const bool kGraphicsArchiveRegistered = RegisterRecordReset(ResetGraphicsArchive);
}  // namespace
