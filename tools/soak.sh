#!/bin/sh
# tools/soak.sh [matches] [seconds per period] [campaigns]: builds the soak programs with the
# address and undefined-behaviour sanitizers in build-asan/ (reusing the folder when it is
# there) and runs them: seeded whole matches, half of them level play-offs taken into a
# shoot-out, each checked to end; then seeded whole campaigns in the game's window, checked
# after every round, with how far the user got per level; then the long-play memory test
# (LongPlay.*: friendlies back to back in the game's window, the pictures held counted) with
# as many friendlies as matches asked for (at least 100). Not part of the test suite (too
# slow). Default: 100 matches and 100 campaigns, periods of 3:00.
set -eu
cd "$(dirname "$0")/.."
matches=${1:-100}
seconds=${2:-180}
campaigns=${3:-100}
if [ ! -f build-asan/build.ninja ]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFELDO_SANITIZE=ON \
    -DFELDO_BENCHMARKS=OFF ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER}
fi
cmake --build build-asan --target soak soak_campaigns game_data game_tests -j2
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
if [ "$matches" -gt 0 ]; then build-asan/tools/soak/soak "$matches" "$seconds"; fi
# The campaigns play in a scratch copy of the game folder.
scratch=build-asan/soak-campaigns
rm -rf "$scratch"
mkdir -p "$scratch"
cp -a build-asan/game/. "$scratch"/
(cd "$scratch" && ../tools/soak/soak_campaigns "$campaigns" "$seconds")
long_play=$matches
[ "$long_play" -ge 100 ] || long_play=100
(cd build-asan/test-work && FELDO_LONG_PLAY_MATCHES=$long_play ../tests/game_tests --gtest_filter='LongPlay.*')
