# Shared by ./play.sh and ./test.sh (sourced, not run): installs the Debian packages the build
# needs when they are missing, and configures and builds the release build in build/.

# The packages of a fresh Debian 12 machine that the build and the game need (gettext: msgfmt
# compiles the message catalogues, xgettext extracts their source strings).
FELDO_PACKAGES=(cmake ninja-build g++ pkg-config libsdl2-dev libfreetype-dev
  fonts-ipafont-gothic libpng-dev libgtest-dev libbenchmark-dev gettext)

# What the tests need beyond that: a virtual X server, xdotool to click and type in it, xwd to
# read its pixels, xprop to read what the window asks of the window manager,
# desktop-file-validate and appstreamcli for the installed menu and software-centre entries,
# dpkg-shlibdeps for the Debian package (added to the list by ./test.sh).
FELDO_TEST_PACKAGES=(xvfb xdotool x11-apps x11-utils desktop-file-utils appstream dpkg-dev)

feldo_missing_packages() {
  local package
  for package in "${FELDO_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
      printf '%s\n' "$package"
    fi
  done
}

# Installs what is missing, as root or through sudo. Quiet and quick when nothing is.
feldo_ensure_packages() {
  if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "Not a Debian system: please install the equivalents of ${FELDO_PACKAGES[*]}." >&2
    return 0
  fi
  local missing
  mapfile -t missing < <(feldo_missing_packages)
  if [ "${#missing[@]}" -eq 0 ]; then
    return 0
  fi
  echo "Installing missing packages: ${missing[*]}"
  local -a as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "These packages are missing and sudo is not available: ${missing[*]}" >&2
      echo "Install them as root (apt-get install ${missing[*]}) and run this again." >&2
      return 1
    fi
    as_root=(sudo)
  fi
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
    --no-install-recommends "${missing[@]}"
}

# Configures build/ as a release build, unless it is one already.
feldo_configure_release() {
  if [ ! -f build/CMakeCache.txt ]; then
    local -a generator=()
    if command -v ninja >/dev/null 2>&1; then
      generator=(-G Ninja)
    fi
    cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=Release
  elif ! grep -q '^CMAKE_BUILD_TYPE:[A-Z]*=Release$' build/CMakeCache.txt; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
  fi
}

# True when the configured build has a target of that name.
feldo_has_target() {
  cmake --build build --target help 2>/dev/null | grep -q "^$1:"
}

# Builds the given targets of build/ (everything when none are given).
feldo_build() {
  local jobs
  jobs=$(nproc 2>/dev/null || echo 2)
  if [ "$#" -gt 0 ]; then
    cmake --build build -j "$jobs" --target "$@"
  else
    cmake --build build -j "$jobs"
  fi
}
