// The file error code shared by the saved-game and settings files: the result of the last
// file operation.
#pragma once

inline constexpr int kFileOk = 0;
inline constexpr int kFileCannotOpen = -1;  // the file could not be opened or created
inline constexpr int kFileShort = 2;        // a read or write moved fewer bytes than asked
inline constexpr int kFileBusy = 3;         // another game was replacing a file in the folder

extern int fileErrorCode;

void ResetFileError();
