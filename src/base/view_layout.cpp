// The one instance of the main window's layout record.
#include "base/view_layout.h"

#include "base/record_resets.h"

ViewLayout viewLayout;

std::int32_t CaptionShiftForWidth(std::int32_t clientWidth) {
  if (clientWidth <= 640) return 150;
  if (clientWidth >= 930) return 0;
  return 150 - (clientWidth - 640) / 2;
}

void ResetViewLayout() {
  viewLayout = ViewLayout{};
}

namespace {
const bool kViewLayoutRegistered = RegisterRecordReset(ResetViewLayout);
}  // namespace
