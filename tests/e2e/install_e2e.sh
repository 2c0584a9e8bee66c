#!/usr/bin/env bash
# Installs the build into a private prefix and checks what a desktop's application menu needs:
# the program, its launcher, a menu entry with English and Japanese names that starts the
# installed launcher, and the icon the entry names. Then starts the entry's command and checks
# that the program runs in its own working folder under the home folder.
# Usage: install_e2e.sh PATH-TO-zindle-canvas FIXTURES-FOLDER
#   (the build folder is the one that holds the program; the fixtures are not needed here)
set -u

program=${1:?usage: install_e2e.sh PATH-TO-zindle-canvas FIXTURES-FOLDER}
build=$(dirname "$(readlink -f "$program")")
cmake=$(command -v cmake) || { echo "FAIL install-e2e: cmake not found"; exit 1; }
[[ -f $build/cmake_install.cmake ]] || { echo "FAIL install-e2e: $build is no build folder"; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/zindle-install.XXXXXX")
app_pid=
cleanup() {
  if [[ -n $app_pid ]] && kill -0 "$app_pid" 2>/dev/null; then kill "$app_pid" 2>/dev/null; fi
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL install-e2e: $*"
  exit 1
}

prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
  fail "cmake --install failed: $(cat "$work/install.log")"

[[ -x $prefix/bin/zindle-canvas ]] || fail "bin/zindle-canvas missing or not executable"
entry=$prefix/share/applications/zindle-canvas.desktop
[[ -f $entry ]] || fail "no menu entry at share/applications/zindle-canvas.desktop"

# The entry: one [Desktop Entry] group of key=value lines with the keys a menu reads.
[[ $(head -n 1 "$entry") == "[Desktop Entry]" ]] || fail "the entry does not start its group"
if grep -vnE '^(\[Desktop Entry\]|#.*|[A-Za-z0-9-]+(\[[A-Za-z_@]+\])?=.*)?$' "$entry"; then
  fail "the entry has lines that are neither keys nor comments"
fi
value() { sed -n "s/^$1=//p" "$entry"; }
[[ $(value Type) == Application ]] || fail "Type is not Application"
[[ $(value Name) == "Zindle Canvas" ]] || fail "English name is '$(value Name)'"
[[ $(value 'Name\[ja\]') == "ジンドルキャンバス" ]] || fail "Japanese name is '$(value 'Name\[ja\]')'"
[[ -n $(value Categories) ]] || fail "no Categories, so no menu would list it"
# File managers hand the picture chosen under "Open with" as the one argument (%f).
[[ $(value Exec) == "$prefix/bin/zindle-canvas-start %f" ]] || fail "Exec is '$(value Exec)'"
exec_line=${prefix}/bin/zindle-canvas-start
[[ -x $exec_line ]] || fail "the launcher the entry starts is not executable"
for type in image/bmp image/png image/jpeg image/tiff image/webp; do
  [[ ";$(value MimeType)" == *";$type;"* ]] || fail "MimeType does not name $type"
done

icon=$(value Icon)
[[ $icon == zindle-canvas ]] || fail "Icon is '$icon'"
svg=$prefix/share/icons/hicolor/scalable/apps/$icon.svg
png=$prefix/share/icons/hicolor/48x48/apps/$icon.png
[[ -s $svg ]] || fail "no scalable icon"
python3 -c 'import sys, xml.dom.minidom as m; m.parse(sys.argv[1])' "$svg" ||
  fail "the scalable icon is not well-formed"
[[ $(head -c 8 "$png" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] || fail "no 48 x 48 PNG icon"

# Staged installs (DESTDIR) keep the final prefix in the entry.
DESTDIR=$work/stage "$cmake" --install "$build" --prefix /opt/zindle >/dev/null 2>&1 ||
  fail "staged install failed"
staged=$work/stage/opt/zindle/share/applications/zindle-canvas.desktop
grep -qx 'Exec=/opt/zindle/bin/zindle-canvas-start %f' "$staged" ||
  fail "staged entry starts '$(sed -n 's/^Exec=//p' "$staged")'"

# The entry's command runs the installed program in ~/ZindleCanvas (it then waits at its open
# dialog until it is stopped), with the picture it was given named by its full path.
mkdir "$work/home" "$work/pictures"
touch "$work/pictures/photo.jpg"
(cd "$work/pictures" && HOME=$work/home QT_QPA_PLATFORM=offscreen exec "$exec_line" photo.jpg) \
  >"$work/app.log" 2>&1 &
app_pid=$!
started=
for _ in $(seq 1 50); do
  if [[ $(readlink "/proc/$app_pid/exe" 2>/dev/null) == "$prefix/bin/zindle-canvas" ]]; then
    started=yes
    break
  fi
  sleep 0.2
done
[[ -n $started ]] || fail "the launcher did not start the installed program: $(cat "$work/app.log")"
[[ $(readlink "/proc/$app_pid/cwd") == "$work/home/ZindleCanvas" ]] ||
  fail "the program runs in '$(readlink "/proc/$app_pid/cwd")'"
arguments=$(tr '\0' ' ' <"/proc/$app_pid/cmdline")
[[ $arguments == "$prefix/bin/zindle-canvas $work/pictures/photo.jpg " ]] ||
  fail "the program was started as '$arguments'"

echo "PASS install-e2e: program, launcher, menu entry (English and Japanese names, picture types) and icons"
