// The list of the records' resets.
#include "base/record_resets.h"

#include <vector>

namespace {

// Filled during static initialisation, before main: a function-local list is constructed on
// its first use, whichever module registers first.
std::vector<RecordReset>& Resets() {
  static std::vector<RecordReset> resets;
  return resets;
}

}  // namespace

bool RegisterRecordReset(RecordReset reset) {
  Resets().push_back(reset);
  return true;
}

void ResetAllRecords() {
  for (RecordReset reset : Resets()) reset();
}
