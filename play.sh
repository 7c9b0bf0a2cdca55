#!/usr/bin/env bash
# Sets up what is missing, builds the game and starts it.
#   ./play.sh              installs missing Debian packages, builds build/ (release), starts lumar
#   ./play.sh -- ARGS...   the same, with ARGS passed to lumar (for example: -- --scale 2)
set -euo pipefail
cd "$(dirname "$0")"

if [ "$#" -gt 0 ]; then
  if [ "$1" != "--" ]; then
    echo "usage: ./play.sh [-- ARGUMENTS FOR LUMAR...]" >&2
    exit 2
  fi
  shift
fi

source tools/setup.sh
feldo_ensure_packages
feldo_configure_release
if feldo_has_target lumar && feldo_has_target feldo; then
  feldo_build lumar feldo
else
  feldo_build
fi

if [ ! -x build/game/lumar ]; then
  echo "build/game/lumar was not built." >&2
  exit 1
fi
cd build/game
exec ./lumar "$@"
