// The one instance of the main window's layout record.
#include "base/view_layout.h"

ViewLayout viewLayout;

void ResetViewLayout() {
  viewLayout = ViewLayout{};
}
