// The shared file error code.
#include "savegame/file_error.h"

int fileErrorCode = kFileOk;

void ResetFileError() {
  fileErrorCode = kFileOk;
}
