#!/usr/bin/env bash
# The skip-track key on the real programs: N makes `game` load the next
# playlist entry at once, while `game-noskip` keeps playing its module. The
# second entry names a file that does not exist, so the attempt to load it is
# visible in the program's file opens without listening to the output.
set -u
run_dir=$1
here=$(mktemp -d)
trap 'rm -rf "$here"' EXIT
cd "$here"
for item in game.mnu options.mnu mahjong tex sound; do
  ln -s "$run_dir/$item" "$item"
done
printf 'RESOLUTION: 1280 1024 24\nMUSIC VOLUME: 32\nSFX VOLUME: 32\nBACKGROUND: 2\nPLAYLIST: 2\nsound\\lotus.mod\nsound\\absent.mod\n' > config.cfg
export VELDRIN_AUDIO=nosound
failures=0

# Runs program $1 under strace, presses N once the menu is up, and prints how
# often it tried to open the absent module.
opens_after_skip() {
  strace -f -qq -e trace=openat -o trace.txt "$run_dir/$1" 2>stderr.txt &
  local tracer=$! pid="" tries
  for tries in $(seq 1 50); do
    pid=$(pgrep -P "$tracer" | head -n 1)
    [ -n "$pid" ] && break
    sleep 0.1
  done
  for tries in $(seq 1 100); do
    xwininfo -root -tree 2>/dev/null | grep -q '"MyGL window"' && break
    sleep 0.1
  done
  sleep 2 # the first frame loads the menus and starts the music
  xdotool keydown n; sleep 0.25; xdotool keyup n; sleep 1
  kill -TERM "$pid"; wait "$tracer"
  grep -c 'absent\.mod' trace.txt
}

count=$(opens_after_skip game)
[ "$count" -ge 1 ] || { echo "FAIL: N in game did not move on to the next entry"; failures=$((failures + 1)); }
count=$(opens_after_skip game-noskip)
[ "$count" = 0 ] || { echo "FAIL: N in game-noskip moved on ($count opens)"; failures=$((failures + 1)); }

echo "$failures failures"
[ "$failures" = 0 ]
