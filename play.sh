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
elif feldo_has_target feldo; then
  feldo_build feldo
else
  feldo_build
fi

cd build/game
if [ -x ./lumar ]; then
  exec ./lumar "$@"
fi
# Until the launcher is part of the build, the game itself is started.
if [ -x ./feldo ]; then
  echo "The launcher is not built yet; starting the game directly." >&2
  exec ./feldo "$@"
fi
echo "Neither build/game/lumar nor build/game/feldo was built." >&2
exit 1
