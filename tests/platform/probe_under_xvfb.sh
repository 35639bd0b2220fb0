#!/bin/bash
# Runs the platform probe on the X screen of scripts/xvfb-run-game (with openbox) and checks
# the real window: caption and client size, Alt+Enter to full screen and back to the same
# placement (ROUND_TRIPS times), the close request that leaves the window open, and SIGTERM ending the run.
set -u
probe=$1
log=$(mktemp)
fail() { echo "FAIL: $*"; cat "$log"; kill "$pid" 2>/dev/null; rm -f "$log"; exit 1; }
geometry() { xwininfo -id "$wid" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
  /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'; }
# Every wait is for what the next step needs, polled for up to 20 s: a loaded machine can hold
# the probe or the window manager back for seconds, and a fixed pause then checks too early.
until_true() {
  for _ in $(seq 200); do "$@" && return 0; sleep 0.1; done
  return 1
}
logged() { grep -q "$1" "$log"; }
logged_times() { [ "$(grep -c "$1" "$log")" = "$2" ]; }
# Managed by openbox (framed and placed) and no longer moving: two equal readings in a row.
settled() {
  xprop -id "$wid" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '=' || return 1
  local a b
  a=$(geometry)
  sleep 0.2
  b=$(geometry)
  [ "$a" = "$b" ]
}
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$wid" ]; }
size_is() { read -r _ _ gw gh <<<"$(geometry)"; [ "${gw}x${gh}" = "$1" ]; }

# A Russian layout, so Cyrillic letters are keys of their own (as for a Russian player).
setxkbmap ru
"$probe" $((60 + 5 * ${ROUND_TRIPS:-3})) >"$log" 2>&1 &
pid=$!
wid=""
for _ in $(seq 100); do
  wid=$(xdotool search --onlyvisible --name '^Vontra$' 2>/dev/null | head -1)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || fail "no visible window named Vontra"
until_true settled || fail "the window was not placed by the window manager"
read -r x y w h <<<"$(geometry)"
[ "$w $h" = "800 601" ] || fail "client area is $w x $h"
screen=$(xdpyinfo | awk '/dimensions:/{print $2}')

# Keys go to the focused window: nothing is typed before the window has the focus.
xdotool windowactivate --sync "$wid" >/dev/null 2>&1
until_true active || fail "the window did not get the focus"
# Typing: Enter and Escape as characters, Cyrillic through text input in Windows-1251.
xdotool key Return
xdotool key Cyrillic_ZHE Cyrillic_io
xdotool mousemove $((x + 100)) $((y + 50)) click 1
until_true logged "^click 100 50$" || fail "window click not at 100,50"
grep -q "^char 13$" "$log" || fail "Enter typed no character 13"
grep -q "^char 198$" "$log" && grep -q "^char 184$" "$log" || fail "Cyrillic typed wrong"
# Full screen and back, ROUND_TRIPS times (3 unless set): the window must come back to its
# place every time. Each step waits for the probe to report the switch done (the window is
# placed by then) and for the window manager to stand still.
trips=${ROUND_TRIPS:-3}
read -r sw sh <<<"${screen/x/ }"
for trip in $(seq "$trips"); do
  xdotool key --window "$wid" alt+Return
  until_true logged_times "^full screen 1$" "$trip" || fail "trip $trip: no switch to full screen"
  until_true size_is "$screen" || fail "trip $trip: full screen is $(geometry), screen $screen"
  until_true settled || fail "trip $trip: the full-screen window kept moving"
  if [ "$trip" = 1 ]; then
    # Full screen letterboxes the picture: the middle of the screen is the middle of the
    # picture, and the bars are not part of it.
    xdotool mousemove $((sw / 2)) $((sh / 2)) click 1
    xdotool mousemove $((sw / 2)) 2 click 1
    # A second click in the middle after the one in the bar: once it is in, the bar's click
    # would be in too.
    xdotool mousemove $((sw / 2)) $((sh / 2)) click 1
    until_true logged_times "^click 400 300$" 2 || fail "full-screen click not at the picture's middle"
    [ "$(grep -c '^click' "$log")" = 3 ] || fail "a click in the letterbox bar reached the game"
  fi
  xdotool key --window "$wid" alt+Return
  until_true logged_times "^full screen 0$" "$trip" || fail "trip $trip: no switch back to a window"
  until_true size_is 800x601 || fail "trip $trip: the window did not come back to 800 x 601"
  until_true settled || fail "trip $trip: the window kept moving after full screen"
  read -r bx by bw bh <<<"$(geometry)"
  [ "$bx $by $bw $bh" = "$x $y $w $h" ] || fail "trip $trip: back at $bx $by $bw $bh, was $x $y $w $h"
done

[ "$(grep -c '^char 13$' "$log")" = 1 ] || fail "Alt+Enter also typed Enter"
xdotool key --window "$wid" alt+F4
until_true logged "close request" || fail "no close request reported"
kill -0 "$pid" 2>/dev/null || fail "the close request closed the window"
xdotool search --onlyvisible --name '^Vontra$' >/dev/null || fail "window gone after the close request"

kill -TERM "$pid"
gone() { ! kill -0 "$pid" 2>/dev/null; }
until_true gone || fail "SIGTERM did not end the run"
wait "$pid" || fail "probe exit status $?"
grep -q "^stopped" "$log" || fail "probe did not stop through its quit event"
grep -q "full screen 1" "$log" && grep -q "full screen 0" "$log" || fail "no mode switch reported"
echo "window $x $y $w $h, $trips round trips to full screen $screen and back, close request kept the window, SIGTERM quit"
rm -f "$log"
