# Shared by the tests that run a program in a real window (sourced, not run):
#   start_xvfb FIRST LAST   starts a private Xvfb on the first free display number in
#                           FIRST..LAST, exports DISPLAY, and sets xvfb to its pid.
#   check_fixed_frame WINDOW WHEN
#                           fails (exit 1, naming WHEN) unless the window asks the window
#                           manager for a fixed size and a frame without a maximise button.
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

check_fixed_frame() {
  local window=$1 when=$2 hints motif min max
  hints=$(xprop -id "$window" WM_NORMAL_HINTS)
  min=$(sed -n 's/.*minimum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$hints")
  max=$(sed -n 's/.*maximum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$hints")
  if [ -z "$min" ] || [ "$min" != "$max" ]; then
    echo "$when: the window's size is not fixed: $hints"; exit 1
  fi
  # The Motif hints: functions and decorations given, every function but maximise, every
  # decoration but the maximise button.
  motif=$(xprop -id "$window" _MOTIF_WM_HINTS)
  if ! grep -q '= 0x3, 0x11, 0x41,' <<<"$motif"; then
    echo "$when: the frame may offer a maximise button: $motif"; exit 1
  fi
}
