#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer in build-fuzz/ and runs each for a while.
#   tools/fuzz/run.sh [SECONDS] [TARGET...]   each target SECONDS (default 1800, half an hour)
#                                             or 10 million executions, whichever comes first;
#                                             all targets by default
#   tools/fuzz/run.sh --seeds                 writes the seed corpora into tools/fuzz/corpus/
# Installs clang and libFuzzer (Debian: clang-14, and libclang-rt-14-dev, which holds the
# libFuzzer runtime) when they are missing; the game itself does not need them. Inputs the
# fuzzer finds interesting are kept in build-fuzz/corpus/TARGET; crashes are written to
# build-fuzz/findings/. Each target's executions, rate and findings are printed at the end.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/setup.sh

if [ "${1:-}" = "--seeds" ]; then
  feldo_ensure_packages
  feldo_configure_release
  feldo_build fuzz_make_seeds
  rm -rf tools/fuzz/corpus
  build/tools/fuzz/fuzz_make_seeds tools/fuzz/corpus
  exit 0
fi

seconds=${1:-1800}
shift || true
targets=("$@")
[ "${#targets[@]}" -gt 0 ] || targets=(archive settings campaign script preferences catalogue)

FELDO_PACKAGES+=(clang-14 libclang-rt-14-dev)
feldo_ensure_packages
if [ ! -f build-fuzz/CMakeCache.txt ]; then
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFELDO_FUZZ=ON \
    -DFELDO_BENCHMARKS=OFF -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14
fi
# The catalogue the build compiles is among the catalogue target's seeds.
cmake --build build-fuzz -j "$(nproc)" --target catalogues $(printf -- '--target fuzz_%s ' "${targets[@]}")

mkdir -p build-fuzz/findings
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Absolute paths: the targets work in a scratch folder of their own, in memory where the machine
# has /dev/shm, removed at the end.
top=$PWD
scratch=$(mktemp -d /dev/shm/feldo-fuzz-run-XXXXXX 2>/dev/null || mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export FELDO_FUZZ_SCRATCH=$scratch
for target in "${targets[@]}"; do
  corpus=$top/build-fuzz/corpus/$target
  mkdir -p "$corpus"
  # Scripts are read line by line: a kilobyte holds every construct, and keeps each run short.
  options=()
  [ "$target" != script ] || options=(-max_len=1024)
  # A catalogue of a few entries takes every path of its reader; the compiled catalogue (14 KiB)
  # is a seed cut to that length here and is read whole by the replay in the test suite.
  [ "$target" != catalogue ] || options=(-max_len=2048)
  # The script reader also starts from every script the tests and the tools run.
  # (copied into one folder: libFuzzer takes folders only).
  extra=()
  if [ "$target" = script ]; then
    rm -rf build-fuzz/seeds-script
    mkdir -p build-fuzz/seeds-script
    cp tests/scripts/*.script tools/friendly_path.script build-fuzz/seeds-script/
    extra=("$top"/build-fuzz/seeds-script)
  fi
  if [ "$target" = catalogue ]; then
    rm -rf build-fuzz/seeds-catalogue
    mkdir -p build-fuzz/seeds-catalogue
    cp build-fuzz/game/locale/en/LC_MESSAGES/vexo-world-cup.mo build-fuzz/seeds-catalogue/
    extra=("$top"/build-fuzz/seeds-catalogue)
  fi
  log=build-fuzz/fuzz_$target.log
  echo "fuzzing $target for $seconds s"
  status=0
  "$top"/build-fuzz/tools/fuzz/fuzz_"$target" -max_total_time="$seconds" -runs=10000000 -print_final_stats=1 "${options[@]}" \
    -artifact_prefix="$top"/build-fuzz/findings/"$target"- "$corpus" "$top"/tools/fuzz/corpus/"$target" "${extra[@]}" \
    > "$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n1)
  findings=$(find build-fuzz/findings -name "$target-*" 2>/dev/null | wc -l)
  echo "  $target: ${runs:-?} executions, ${rate:-?} per second, $findings findings, exit $status (log $log)"
  [ "$status" -eq 0 ] || exit "$status"
done
