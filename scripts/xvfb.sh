# Sourced by the test script: starts a private Xvfb on a free display number and
# stops it when the calling shell exits, whether the tests passed or not.
start_xvfb() {
  local n
  for n in $(seq 90 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    local tries
    for tries in $(seq 1 50); do
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        export DISPLAY=":$n"
        trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
        return 0
      fi
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
  done
  echo "could not start Xvfb" >&2
  return 1
}
