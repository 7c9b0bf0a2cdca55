#!/usr/bin/env bash
# Sets up what is missing, builds everything (tests included) and runs the whole test suite.
#   ./test.sh               installs missing Debian packages, builds build/ (release), runs ctest
#   ./test.sh CTEST-ARGS... extra arguments for ctest (for example: -R Sdl)
# No display is needed: the tests use the headless backend and SDL's dummy drivers.
set -euo pipefail
cd "$(dirname "$0")"

source tools/setup.sh
FELDO_PACKAGES+=("${FELDO_TEST_PACKAGES[@]}")
feldo_ensure_packages
feldo_configure_release
feldo_build
ctest --test-dir build --output-on-failure -j2 "$@"
