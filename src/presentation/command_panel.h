// The command panel under the pitch: the Q/A/Z shot labels on the side the controlled player
// faces and the pass mode ("Pass : Ground" or "Pass : Lob ball").
#pragma once

#include "platform/platform.h"

void DrawCommandPanel(platform::DeviceContext* dc);
