// A picture of the graphics archive: a packed device-independent bitmap held in memory. A
// null picture means "not loaded" and every drawing routine skips it.
#pragma once

#include <cstddef>
#include <cstdint>

struct Picture {
  const std::uint8_t* bytes = nullptr;
  std::size_t size = 0;
  explicit operator bool() const { return bytes != nullptr; }
};
