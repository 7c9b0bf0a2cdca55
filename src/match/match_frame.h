// One frame of a running match, in its fixed order.
#pragma once

#include "platform/platform.h"

// One frame; `dc` is a context of the main window (nullptr: play without drawing).
void MatchFrameStep(platform::DeviceContext* dc);
