// The launcher's record, its pictures and the sound switch.
#include "launcher/launcher_state.h"

#include "archive/graphics_archive.h"

LauncherState launcher;

void ReadSoundSwitch() {
  launcher.soundOff = 0;
  const platform::FileHandle file = platform::OpenFileRead(kSettingsFile);
  if (file == platform::kNoFile) return;
  std::uint8_t bytes[2] = {0, 0};
  if (platform::ReadFile(file, bytes, 2) == 2) {
    launcher.soundOff = std::int32_t(static_cast<std::int8_t>(bytes[1]));
  }
  platform::CloseFile(file);
}

void ReadLauncherPictures() {
  launcher.archiveError =
      ReadWholeArchive(kLauncherArchive, kLauncherPictureCount, &launcher.pictures);
}

void ReleaseLauncherPictures() {
  launcher.pictures.assign(kLauncherPictureCount, Picture{});
  ReleaseArchivePictures();
}

void ResetLauncherState() {
  launcher = LauncherState{};
}
