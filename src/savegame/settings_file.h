// The settings file SEL_.DAT in the current directory: two bytes, the level (0 LEVEL S to
// 3 LEVEL 3) and the sound switch (0 on, 1 off). Read at start-up into GameFlowState, written
// when the program closes. Errors are silent; fileErrorCode tells what happened.
#pragma once

inline constexpr char kSettingsFileName[] = "SEL_.DAT";

// Missing file: GameFlowState keeps its level and sound switch (error -1). Short file: the
// same, error 2. A level byte above 3 reads as LEVEL 3; a sound byte other than 0 or 1 reads
// as sound on.
void ReadSettings();
// Replaces the file with the current level and sound switch through a temporary file and a
// rename (ReplaceFile): error -1 when it cannot be created or renamed, 2 on a short write or
// a refused flush; on any error the old file stays as it was.
void WriteSettings();
