// What the fuzz targets share: the platform layer started once under the headless backend in a
// scratch folder of its own, inputs written there as the files the readers open by name, and a
// small memory drawing surface for whatever the readers hand out.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/platform.h"

namespace fuzz {

// Starts the layer (once) and makes a scratch folder the current directory (so the fuzzer must
// be given absolute paths): in /dev/shm where there is one, else in /tmp.
void EnsureStarted();
// Writes the input as the file `name` in the scratch folder (replacing it).
void WriteInput(const char* name, const std::uint8_t* data, std::size_t size);
// A memory device context with a 64 x 48 bitmap selected.
platform::DeviceContext* ScratchDc();

}  // namespace fuzz
