#!/bin/bash
# Runs the platform probe on the X screen of scripts/xvfb-run-game (with openbox) and checks
# the real window: caption and client size, Alt+Enter to full screen and back to the same
# placement, the close request that leaves the window open, and SIGTERM ending the run.
set -u
probe=$1
log=$(mktemp)
fail() { echo "FAIL: $*"; cat "$log"; kill "$pid" 2>/dev/null; rm -f "$log"; exit 1; }
geometry() { xwininfo -id "$wid" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
  /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'; }

# A Russian layout, so Cyrillic letters are keys of their own (as for a Russian player).
setxkbmap ru
"$probe" 60 >"$log" 2>&1 &
pid=$!
wid=""
for _ in $(seq 100); do
  wid=$(xdotool search --onlyvisible --name '^Vontra$' 2>/dev/null | head -1)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || fail "no visible window named Vontra"
sleep 1
read -r x y w h <<<"$(geometry)"
[ "$w $h" = "800 601" ] || fail "client area is $w x $h"
screen=$(xdpyinfo | awk '/dimensions:/{print $2}')

xdotool windowactivate --sync "$wid" >/dev/null 2>&1
# Typing: Enter and Escape as characters, Cyrillic through text input in Windows-1251.
xdotool key Return
xdotool key Cyrillic_ZHE Cyrillic_io
xdotool mousemove $((x + 100)) $((y + 50)) click 1
sleep 0.5
grep -q "^char 13$" "$log" || fail "Enter typed no character 13"
grep -q "^char 198$" "$log" && grep -q "^char 184$" "$log" || fail "Cyrillic typed wrong"
grep -q "^click 100 50$" "$log" || fail "window click not at 100,50"
xdotool key --window "$wid" alt+Return
for _ in $(seq 30); do read -r _ _ fw fh <<<"$(geometry)"; [ "${fw}x${fh}" = "$screen" ] && break; sleep 0.1; done
[ "${fw}x${fh}" = "$screen" ] || fail "full screen is ${fw}x${fh}, screen $screen"
# Full screen letterboxes the picture: the middle of the screen is the middle of the picture,
# and the bars are not part of it.
read -r sw sh <<<"${screen/x/ }"
xdotool mousemove $((sw / 2)) $((sh / 2)) click 1
xdotool mousemove $((sw / 2)) 2 click 1
sleep 0.5
grep -q "^click 400 300$" "$log" || fail "full-screen click not at the picture's middle"
[ "$(grep -c '^click' "$log")" = 2 ] || fail "a click in the letterbox bar reached the game"
xdotool key --window "$wid" alt+Return
for _ in $(seq 30); do read -r bx by bw bh <<<"$(geometry)"; [ "$bw $bh" = "800 601" ] && break; sleep 0.1; done
sleep 0.5
read -r bx by bw bh <<<"$(geometry)"
[ "$bx $by $bw $bh" = "$x $y $w $h" ] || fail "back at $bx $by $bw $bh, was $x $y $w $h"

[ "$(grep -c '^char 13$' "$log")" = 1 ] || fail "Alt+Enter also typed Enter"
xdotool key --window "$wid" alt+F4
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the close request closed the window"
grep -q "close request" "$log" || fail "no close request reported"
xdotool search --onlyvisible --name '^Vontra$' >/dev/null || fail "window gone after the close request"

kill -TERM "$pid"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "SIGTERM did not end the run"
wait "$pid" || fail "probe exit status $?"
grep -q "^stopped" "$log" || fail "probe did not stop through its quit event"
grep -q "full screen 1" "$log" && grep -q "full screen 0" "$log" || fail "no mode switch reported"
echo "window $x $y $w $h, full screen $screen, close request kept the window, SIGTERM quit"
rm -f "$log"
