# Shared by the tests that run a program in a real window (sourced, not run):
#   start_xvfb FIRST LAST   starts a private Xvfb on the first free display number in
#                           FIRST..LAST, exports DISPLAY, and sets xvfb to its pid.
# Also points LeakSanitizer at tests/lsan.supp (in a sanitizer build, what SDL's system
# libraries keep at exit is not ours). Needs `here`, the folder of the tests.
start_xvfb() {
  local display= n
  for n in $(seq "$1" "$2"); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
  done
  [ -n "$display" ] || { echo "no free X display number"; exit 1; }
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >xvfb.log 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.05; done
  export DISPLAY=$display
  export LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
}
