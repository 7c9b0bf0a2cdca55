// The game's values that headless scripts can check with expect-value.
#pragma once

void RegisterShellValues();
