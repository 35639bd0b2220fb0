#!/bin/sh
# The installed game, started by its launcher on the X screen of scripts/xvfb-run-game: its
# window comes up, the close box only asks "Выйти из игры?", Y ends the game, the saves land in
# the player's XDG data folder and the installation is left as it was:
# installed_game_under_xvfb.sh <cmake> <build dir>
# or, for the Debian package unpacked with dpkg-deb -x and started by its menu entry's command:
# installed_game_under_xvfb.sh --deb <vontra_VERSION_amd64.deb>
set -eu
scratch=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  cat "$scratch/log" >&2 2>/dev/null || true
  exit 1
}
running() { kill -0 "$pid" 2>/dev/null; }

if [ "$1" = --deb ]; then
  deb=$2
  prefix="$scratch/root"
  dpkg-deb -x "$deb" "$prefix"
  # The menu entry names the launcher by its final path, which lies inside the unpacked root.
  exec_line=$(sed -n 's/^Exec=//p' "$prefix/usr/share/applications/games.vontra.Vontra.desktop")
  case $exec_line in /usr/*) ;; *) fail "the menu entry's command is not under /usr: $exec_line" ;; esac
  launcher="$prefix$exec_line"
else
  prefix="$scratch/install prefix"
  "$1" --install "$2" --prefix "$prefix" >/dev/null
  launcher="$prefix/bin/vontra"
fi
[ -x "$launcher" ] || fail "no launcher at $launcher"
snapshot() { (cd "$prefix" && find . -printf '%p %y %s %m %T@\n' | LC_ALL=C sort); }
snapshot >"$scratch/before"

export HOME="$scratch/home" XDG_DATA_HOME="$scratch/xdg data"
mkdir -p "$HOME"
"$launcher" >"$scratch/log" 2>&1 &
pid=$!
# A search that meets a window vanishing meanwhile (the game and the window manager create
# and drop short-lived ones while starting) ends with an X error: it is simply searched again.
wid=""
for _ in $(seq 30); do
  wid=$(timeout 5 xdotool search --sync --onlyvisible --name '^Vontra$' 2>/dev/null | head -1) || true
  [ -n "$wid" ] && break
  running || fail "the game ended before its window came up"
  sleep 0.5
done
[ -n "$wid" ] || fail "no window named Vontra"
# Alt+F4 reaches the focused window only: nothing is sent before the game has the focus.
focused=""
for _ in $(seq 200); do
  xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || true
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$wid" ] && { focused=yes; break; }
  running || fail "the game ended before its window got the focus"
  sleep 0.1
done
[ -n "$focused" ] || fail "the window did not get the focus"

# The window manager turns Alt+F4 into the close request, which opens the question once the
# menu has come to rest. Y is then held until the game has ended (the game polls it once a
# frame, however slow the frames come) and let go.
python3 "$(dirname "$0")/open_quit_question.py" "$wid" "$pid" || fail "the quit question did not open"
xdotool keydown y || true
for _ in $(seq 300); do running || break; sleep 0.1; done
xdotool keyup y || true
running && fail "Y in the quit question did not end the game"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" = 0 ] || fail "the game ended with status $status"

folder="$XDG_DATA_HOME/vontra"
for save in hs options; do
  [ -s "$folder/Data/Save/$save" ] || fail "no Data/Save/$save in $folder"
done
[ ! -e "$HOME/.local/share/vontra" ] || fail "the default data folder was used despite XDG_DATA_HOME"
snapshot >"$scratch/after"
diff "$scratch/before" "$scratch/after" >&2 || fail "the game changed the installation"
echo "$launcher: window $wid, quit through the question, saves in $folder"
