// The shared file error code.
#include "savegame/file_error.h"

#include "base/record_resets.h"

int fileErrorCode = kFileOk;

void ResetFileError() {
  fileErrorCode = kFileOk;
}

namespace {
const bool kFileErrorRegistered = RegisterRecordReset(ResetFileError);
}  // namespace
