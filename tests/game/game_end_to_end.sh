#!/usr/bin/env bash
# The real game under the test X server, driven with xdotool as a player
# would: the menus by keys and pointer, a game with its board and panel, a pair
# found from the game's deal report and removed by two clicks, the help screen,
# the quit item, and the high-score dialog after a scored game. Sound goes to
# libmikmod's disk writer. Screenshots land in VELDRIN_SCREENSHOT_DIR when it
# is set (to look at them), else in a scratch folder.
#
# usage: game_end_to_end.sh RUN_DIR PAIR_PIXELS
set -u
run_dir=$1
pair_pixels=$2
here=$(mktemp -d)
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill -9 "$game_pid" 2>/dev/null
  rm -rf "$here"
}
trap cleanup EXIT
cd "$here"
for item in game.mnu options.mnu mahjong tex sound; do
  ln -s "$run_dir/$item" "$item"
done
shots=${VELDRIN_SCREENSHOT_DIR:-$here}
mkdir -p "$shots"
printf 'RESOLUTION: 1280 1024 24\nMUSIC VOLUME: 32\nSFX VOLUME: 128\nBACKGROUND: 0\nPLAYLIST: 1\nsound\\lotus.mod\n' > config.cfg
# A stand-in browser first in PATH records the address the dialog hands over.
mkdir bin
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >> "%s/opened.txt"\n' "$here" > bin/xdg-open
chmod +x bin/xdg-open
export PATH="$here/bin:$PATH"
export VELDRIN_SCORE_SERVER=http://scores.test
export VELDRIN_DEAL_REPORT=1

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Positions from game.mnu (fractions of 1280 x 1024): inside each label.
new_game_item="481 451"
options_item="481 553"
quit_item="481 655"

start_game() { # $1: disk writer output
  VELDRIN_AUDIO="wav:file=$here/$1" "$run_dir/game" 2>>stderr.txt &
  game_pid=$!
  local tries
  for tries in $(seq 1 100); do
    xwininfo -name "MyGL window" >/dev/null 2>&1 && { sleep 2; return 0; }
    sleep 0.1
  done
  fail "the game window did not open"
  return 1
}
# Ends with the game's exit code; 124 when it had to be stopped.
wait_game() {
  local tries
  for tries in $(seq 1 150); do
    kill -0 "$game_pid" 2>/dev/null || { wait "$game_pid"; local code=$?; game_pid=""; return $code; }
    sleep 0.1
  done
  kill -9 "$game_pid"; wait "$game_pid"; game_pid=""
  return 124
}
# The game reads keys once a frame: a press held for a moment, as a finger does.
press() { xdotool keydown "$1"; sleep 0.25; xdotool keyup "$1"; sleep 0.3; }
point() { xdotool mousemove $1; sleep 0.4; }
shot() { sleep 0.3; import -window root "$shots/$1.png"; }
# Mean brightness (0..255) of a rectangle: picture x y w h.
mean() { convert "$shots/$1.png" -crop "$4x$5+$2+$3" +repage -colorspace gray -format "%[fx:mean*255]" info:; }
# Share (0..1) of a rectangle's pixels with all three channels 200 or more.
white_share() {
  convert "$shots/$1.png" -crop "$4x$5+$2+$3" +repage -separate -evaluate-sequence min \
    -threshold 78% -format "%[fx:mean]" info:
}
# Share of a rectangle's pixels warm and light like a tile's face (red high).
tile_share() {
  convert "$shots/$1.png" -crop "$4x$5+$2+$3" +repage -channel R -separate -threshold 70% \
    -format "%[fx:mean]" info:
}
# Pixels that differ inside a rectangle between two pictures: a b x y w h.
changed() {
  compare -metric AE "$shots/$1.png[$5x$6+$3+$4]" "$shots/$2.png[$5x$6+$3+$4]" null: 2>&1 | awk '{printf "%d", $1}'
}
is() { awk "BEGIN { exit !($1) }"; }

# 1. Menus by keys and pointer, options, help, and the quit item by a click.
start_game run1.wav || exit 1
point "$new_game_item"; point "5 5"   # item 0 current, pointer on no item
shot menu
press Down
shot menu_down
[ "$(changed menu menu_down 440 500 400 90)" -gt 100 ] || fail "Down did not move the highlight to OPTIONS"
point "$quit_item"
shot menu_pointer
[ "$(changed menu_down menu_pointer 440 600 400 90)" -gt 100 ] || fail "the pointer did not highlight QUIT"
point "5 5"
press Up
press Return
shot options
# The options panel darkens the felt under it to about half.
inside=$(mean options 140 495 40 30); outside=$(mean options 140 560 40 30)
is "$inside < 0.7 * $outside" || fail "no options panel ($inside inside, $outside outside)"
press Escape
shot menu_back
inside=$(mean menu_back 140 495 40 30)
is "$inside > 0.9 * $outside" || fail "Esc did not leave the options ($inside)"
xdotool keydown F1; sleep 0.6
shot help
xdotool keyup F1; sleep 0.3
[ "$(changed menu_back help 0 0 1280 1024)" -gt 600000 ] || fail "F1 did not cover the screen with the help"
shot menu_after_help
[ "$(changed menu_back menu_after_help 0 0 1280 1024)" -lt 2000 ] || fail "the menu did not come back after F1"
point "$quit_item"
xdotool click 1
wait_game; code=$?
[ "$code" = 0 ] || fail "the quit item: exit code $code, expected 0"
[ -e opened.txt ] && fail "a high score was offered after a run without one"

# 2. A game: board and panel, a pair by two clicks, Esc, then quitting with
#    the high score offered in the dialog.
: > stderr.txt
start_game run2.wav || exit 1
point "$new_game_item"
press Return
point "640 512"
shot game
# The panel darkens the felt; below it the felt is untouched.
inside=$(mean game 150 90 40 25); outside=$(mean game 150 195 40 25)
is "$inside < 0.7 * $outside" || fail "no heads-up panel ($inside inside, $outside below)"
# Texts in the rows of MOVES, SCORE, tiles left and NEXT MOVE; rows 3 and 4 empty.
for row in 8 38 123 158; do
  is "$(white_share game 5 $row 150 22) > 0.03" || fail "no text in the panel row at y=$row"
done
is "$(white_share game 5 66 150 52) == 0" || fail "text in the panel's empty rows"
is "$(tile_share game 350 250 580 520) > 0.3" || fail "no board in the middle of the screen"
grep -q '^deal:' stderr.txt || fail "no deal reported"

read -r x1 y1 x2 y2 < <("$pair_pixels" mahjong/classic.tab 1280 1024 stderr.txt) ||
  fail "no pair to click"
if [ -n "${x2:-}" ]; then
  point "$x1 $y1"; xdotool click 1; sleep 0.3
  point "$x2 $y2"; xdotool click 1
  import -window root "$shots/pair.png"
  sleep 1.5
  shot after_pair
  # The second tile went, and the effect picture fades where it was.
  [ "$(changed pair after_pair $((x2 - 30)) $((y2 - 30)) 60 60)" -gt 200 ] ||
    fail "the place of the pair did not change"
  # SCORE and the tiles left changed: 20 and 142/144.
  [ "$(changed game after_pair 5 38 150 22)" -gt 20 ] || fail "the score did not change"
  [ "$(changed game after_pair 5 123 150 22)" -gt 20 ] || fail "the tiles left did not change"
fi

press Escape
point "5 5"
shot menu_after_game
# The felt where the panel was is as light as in the menu before the game.
inside=$(mean menu_after_game 150 90 40 25); before=$(mean menu 150 90 40 25)
is "$inside > 0.9 * $before" || fail "Esc did not end the game ($inside, menu $before)"
point "$quit_item"
press Return
dialog=$(timeout 30 xdotool search --sync --onlyvisible --name '^http://scores\.test/hiscore2003\.php$' 2>/dev/null | head -1)
if [ -z "$dialog" ]; then
  fail "no high-score dialog after a scored game"
else
  xdotool windowfocus --sync "$dialog"; sleep 0.3
  import -window "$dialog" "$shots/dialog.png"
  # Tab order: OK, Cancel, name, e-mail; Enter in a field presses OK.
  xdotool key Tab Tab; xdotool type --delay 20 Tester
  xdotool key Tab; xdotool type --delay 20 tester@example.org
  xdotool key Return
fi
wait_game; code=$?
[ "$code" = 0 ] || fail "quitting after a game: exit code $code, expected 0"
grep -q '^http://scores.test/score2003.php?gid=113&player=Tester&score=20&' opened.txt 2>/dev/null ||
  fail "the dialog did not send the score 20: $(cat opened.txt 2>/dev/null)"

# 3. A desktop that logs out while the high-score dialog waits: SIGTERM ends
#    the process at once and nothing is sent.
: > opened.txt
: > stderr.txt
start_game run3.wav || exit 1
point "$new_game_item"
press Return
point "640 512"
read -r x1 y1 x2 y2 < <("$pair_pixels" mahjong/classic.tab 1280 1024 stderr.txt)
if [ -n "${x2:-}" ]; then
  point "$x1 $y1"; xdotool click 1; sleep 0.3
  point "$x2 $y2"; xdotool click 1; sleep 0.3
fi
press Escape
point "$quit_item"
press Return
dialog=$(timeout 30 xdotool search --sync --onlyvisible --name '^http://scores\.test/hiscore2003\.php$' 2>/dev/null | head -1)
if [ -z "$dialog" ]; then
  fail "no high-score dialog to log out from"
else
  kill -TERM "$game_pid"
  wait_game; code=$?
  [ "$code" = 143 ] || fail "SIGTERM under the dialog: exit code $code, expected 143"
  [ -s opened.txt ] && fail "SIGTERM under the dialog sent $(cat opened.txt)"
fi

# Effects and music went to the disk writer.
rms=$(sox run2.wav -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
is "${rms:-0} > 0.001" || fail "the game was silent (RMS ${rms:-none})"

echo "$failures failures"
[ "$failures" = 0 ]
