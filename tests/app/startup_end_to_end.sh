#!/usr/bin/env bash
# The real game started from a scratch folder under the test run's X server:
# the missing configuration, a display mode the screen lacks, and a clean stop.
set -u
run_dir=$1
repo=$(cd "$(dirname "$0")/../.." && pwd)
here=$(mktemp -d)
trap 'rm -rf "$here"' EXIT
cd "$here"
# The game's data beside it, as in the ready-to-run folder.
for item in game.mnu options.mnu mahjong tex sound; do
  [ -e "$run_dir/$item" ] && ln -s "$run_dir/$item" "$item"
done
export VELDRIN_AUDIO=nosound
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Waits for a top-level window named $1 (SDL's message box has no class, so
# xwininfo finds it where xdotool does not) and prints its id.
wait_for_window() {
  local id="" tries
  for tries in $(seq 1 100); do
    id=$(xwininfo -root -tree 2>/dev/null | awk -v name="\"$1\":" 'index($0, name) {print $1; exit}')
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# 1. No config.cfg: the SETUP box, no game window, exit code 1.
"$run_dir/game" 2>stderr.txt &
pid=$!
box=$(wait_for_window "SETUP") || fail "no SETUP box"
xwininfo -root -tree | grep -q '"MyGL window"' && fail "a game window opened without config.cfg"
[ -n "${box:-}" ] && xdotool key --window "$box" Return
wait "$pid"; code=$?
[ "$code" = 1 ] || fail "missing config.cfg: exit code $code, expected 1"
grep -q "SETUP: Nepodarilo se otevrit configuracni soubor." stderr.txt || fail "SETUP text not on stderr"
grep -q "Spustte prosim SETUP.EXE." stderr.txt || fail "second line of the SETUP text missing"

# 2. A mode the screen does not offer: the window's own message, exit code 1.
printf 'RESOLUTION: 1024 768 24\nMUSIC VOLUME: 0\nSFX VOLUME: 0\nBACKGROUND: 2\nPLAYLIST: 0\n' > config.cfg
"$run_dir/game" 2>stderr.txt &
pid=$!
box=$(wait_for_window "Error") || fail "no box for the refused mode"
[ -n "${box:-}" ] && xdotool key --window "$box" Return
wait "$pid"; code=$?
[ "$code" = 1 ] || fail "refused mode: exit code $code, expected 1"
grep -q "Failed to set fullscreen mode" stderr.txt || fail "mode message not on stderr"

# 3. The screen's own mode opens "MyGL window" full screen; SIGTERM ends the
#    loop through the quit path with exit code 0.
printf 'RESOLUTION: 1280 1024 24\nMUSIC VOLUME: 0\nSFX VOLUME: 0\nBACKGROUND: 2\nPLAYLIST: 0\n' > config.cfg
"$run_dir/game" 2>stderr.txt &
pid=$!
wait_for_window "MyGL window" >/dev/null || fail "the game window did not open"
geometry=$(xwininfo -name "MyGL window" 2>/dev/null | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$geometry" = "1280x1024" ] || fail "window is $geometry, expected 1280x1024"
kill -TERM "$pid"
wait "$pid"; code=$?
[ "$code" = 0 ] || { fail "SIGTERM: exit code $code, expected 0"; cat stderr.txt; }

# 4. The X server going away ends the game promptly with exit code 1, instead of
#    the exit path talking to the dead server forever. It gets a server of its
#    own, so the test run's server stays up.
(
  source "$repo/scripts/xvfb.sh"
  start_xvfb || exit 1
  "$run_dir/game" 2>stderr.txt &
  pid=$!
  wait_for_window "MyGL window" >/dev/null || { echo "FAIL: no window on the private server"; exit 1; }
  kill "$XVFB_PID"
  for tries in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the game still runs 10 s after its display went away"
    kill -9 "$pid"
    exit 1
  fi
  wait "$pid"; code=$?
  [ "$code" = 1 ] || { echo "FAIL: lost display: exit code $code, expected 1"; exit 1; }
  grep -q "Connection to the display was lost." stderr.txt || { echo "FAIL: no message"; exit 1; }
) || failures=$((failures + 1))

echo "$failures failures"
[ "$failures" = 0 ]
