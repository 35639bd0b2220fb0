#!/bin/sh
# Installs the build tree into a scratch prefix whose name holds a space, quotes and a command
# substitution; checks the installed files, the menu entry, the metadata and the icons; then
# runs the installed launcher with a stand-in for the game program to see how it prepares the
# player's folder: installation.sh <cmake> <build dir> <icon forge>
set -eu
cmake=$1
build=$2
forge_icons=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
app=games.vontra.Vontra
prefix="$scratch/my games \$(touch INJECTED) 'x'"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

for file in bin/vontra bin/vontra-archive libexec/vontra/vontra share/vontra/moregames.url \
  share/vontra/Data/Res/Res1.dxg share/vontra/Data/Res/Res3.dxg share/vontra/Data/Res/Sounds.dxw \
  share/vontra/Data/Music/Menu.xm share/vontra/Data/Music/Race.xm \
  "share/applications/$app.desktop" "share/metainfo/$app.metainfo.xml"; do
  [ -f "$prefix/$file" ] || fail "$file not installed"
done
[ -x "$prefix/bin/vontra" ] && [ -x "$prefix/libexec/vontra/vontra" ] || fail "programs not executable"

entry="$prefix/share/applications/$app.desktop"
desktop-file-validate "$entry" || fail "desktop entry does not validate"
report=$(appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml") ||
  fail "metainfo does not validate: $report"
# The command line quotes the launcher's path: the space and quote inside the double quotes,
# the dollar escaped (and that backslash doubled by the string escaping).
expected="Exec=\"$scratch/my games \\\\\$(touch INJECTED) 'x'/bin/vontra\""
grep -qxF "$expected" "$entry" || fail "menu entry runs $(grep '^Exec=' "$entry"), not $expected"
grep -qxF "Icon=$app" "$entry" || fail "menu entry names another icon"

# Every icon size, square, transparent at the rounded corners and opaque in the middle, and
# the same bytes as a fresh run of the forge.
"$forge_icons" "$scratch/icons" >/dev/null
for size in 16 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$app.png"
  [ -f "$icon" ] || fail "no ${size}px icon"
  got=$(identify -format '%m %w %h %[fx:p{0,0}.a<0.05] %[fx:p{w/2,h/2}.a]' "$icon")
  [ "$got" = "PNG $size $size 1 1" ] || fail "${size}px icon: $got"
  cmp -s "$icon" "$scratch/icons/${size}x${size}.png" || fail "${size}px icon differs from the forge's"
done

# The launcher, with a stand-in that reports its working directory and exits with 3.
cat >"$prefix/libexec/vontra/vontra" <<'STANDIN'
#!/bin/sh
pwd -P >"$PROBE_OUT"
exit 3
STANDIN
out="$scratch/probe"
launch() { # launch LAUNCHER HOME XDG_DATA_HOME ("-" leaves a variable unset)
  launcher=$1 h=$2 x=$3
  set --
  [ "$h" = - ] || set -- "$@" "HOME=$h"
  [ "$x" = - ] || set -- "$@" "XDG_DATA_HOME=$x"
  rm -f "$out"
  status=0
  env -i PATH="$PATH" PROBE_OUT="$out" "$@" "$launcher" 2>"$scratch/stderr" || status=$?
}
checks() { # checks FOLDER: the launcher started the game in FOLDER, laid out as the game wants
  [ "$status" = 3 ] || fail "launcher exit status $status (the game's was 3): $(cat "$scratch/stderr")"
  [ "$(cat "$out")" = "$(cd "$1" && pwd -P)" ] || fail "game ran in $(cat "$out"), not $1"
  [ -d "$1/Data/Save" ] && [ ! -L "$1/Data/Save" ] || fail "no Data/Save folder in $1"
  for item in Data/Res Data/Music moregames.url; do
    [ -L "$1/$item" ] || fail "$1/$item is not a link"
    [ "$(readlink "$1/$item")" = "$(cd "$2" && pwd -P)/$item" ] ||
      fail "$1/$item points to $(readlink "$1/$item")"
  done
  [ -f "$1/Data/Res/Res1.dxg" ] && grep -q '^URL=http' "$1/moregames.url" ||
    fail "links in $1 do not reach the installation"
}

home="$scratch/home dir"
mkdir -p "$home"
# HOME | XDG_DATA_HOME | the player's folder
while IFS='|' read -r h x folder; do
  launch "$prefix/bin/vontra" "$h" "$x"
  checks "$folder" "$prefix/share/vontra"
done <<CASES
$home|$scratch/data home|$scratch/data home/vontra
$home|-|$home/.local/share/vontra
$home|relative/dir|$home/.local/share/vontra
-|$scratch/only xdg|$scratch/only xdg/vontra
CASES

folder="$home/.local/share/vontra"
# The saves stay; a moved installation is linked anew, also when started through a link.
printf 'saved\n' >"$folder/Data/Save/hs"
moved="$scratch/moved prefix"
mv "$prefix" "$moved"
mkdir -p "$scratch/bin"
ln -s "$moved/bin/vontra" "$scratch/bin/vontra"
launch "$scratch/bin/vontra" "$home" -
checks "$folder" "$moved/share/vontra"
[ "$(cat "$folder/Data/Save/hs")" = saved ] || fail "the saves were touched"

# A folder of the player's own in place of a link is kept.
rm "$folder/Data/Music"
mkdir "$folder/Data/Music"
launch "$moved/bin/vontra" "$home" -
[ "$status" = 3 ] && [ -d "$folder/Data/Music" ] && [ ! -L "$folder/Data/Music" ] ||
  fail "the player's own Data/Music was replaced"
grep -q "using your own" "$scratch/stderr" || fail "no notice about the player's own Data/Music"

# Broken set-ups end with a message and a failure, without starting the game.
launch "$moved/bin/vontra" - relative
[ "$status" = 1 ] && [ ! -e "$out" ] || fail "no data directory started the game (status $status)"
grep -q "cannot find the data directory" "$scratch/stderr" || fail "no message: $(cat "$scratch/stderr")"
rm "$moved/share/vontra/Data/Res/Res3.dxg"
launch "$moved/bin/vontra" "$home" -
[ "$status" = 1 ] && [ ! -e "$out" ] || fail "a missing archive started the game (status $status)"
grep -q "broken installation: .*Res3.dxg is missing" "$scratch/stderr" || fail "no message: $(cat "$scratch/stderr")"

[ -z "$(find "$scratch" -name INJECTED)" ] || fail "a path was run as a command"
echo "installed files, menu entry, metadata, icons and launcher checked"
