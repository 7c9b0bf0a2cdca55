#!/bin/sh
# tools/soak.sh [matches] [seconds per period]: builds the soak program with the address and
# undefined-behaviour sanitizers in build-asan/ (reusing the folder when it is there) and runs
# it: seeded whole matches, half of them level play-offs taken into a shoot-out, each checked
# to end. Not part of the test suite (too slow). Default: 100 matches of 3:00 periods.
set -eu
cd "$(dirname "$0")/.."
matches=${1:-100}
seconds=${2:-180}
if [ ! -f build-asan/build.ninja ]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFELDO_SANITIZE=ON \
    -DFELDO_BENCHMARKS=OFF ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER}
fi
cmake --build build-asan --target soak -j2
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  build-asan/tools/soak/soak "$matches" "$seconds"
