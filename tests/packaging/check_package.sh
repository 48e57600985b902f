#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it as a classroom
# machine would see it: the desktop entry and the AppStream metadata are
# valid, lintian finds no error, every file they name is in the package, and
# the program starts from its menu entry and shows its title window.
#   check_package.sh BUILD-DIR VERSION APP-ID CPACK
set -euo pipefail

build=$1 version=$2 appId=$3 cpack=$4

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for tool in dpkg dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli lintian xvfb-run timeout file; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (tools/setup.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The package.
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; echo "FAIL: cpack" >&2; exit 1; }
arch=$(dpkg --print-architecture)
deb=$work/out/spotsim_${version}_${arch}.deb
[ -f "$deb" ] || { ls "$work/out" >&2; echo "FAIL: no $(basename "$deb")" >&2; exit 1; }
echo "built $(basename "$deb"), $(stat -c %s "$deb") bytes"

field() { dpkg-deb -f "$deb" "$1"; }
depends=$(field Depends)
echo "Depends: $depends"
for dep in fonts-dejavu-core libqt6widgets6 libqt6svg6 libc6 libstdc++6; do
  [[ ", $depends," == *", $dep"[\ ,]* ]] || fail "Depends lacks $dep"
done
[ "$(field Section)" = education ] || fail "Section is '$(field Section)', not education"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[[ "$(field Maintainer)" == *"<"*@*">" ]] || fail "Maintainer '$(field Maintainer)' has no address"

root=$work/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share

# The desktop entry and the metadata, as installed.
desktop=$share/applications/$appId.desktop
metainfo=$share/metainfo/$appId.metainfo.xml
[ -f "$desktop" ] || fail "no desktop entry ${desktop#"$root"}"
[ -f "$metainfo" ] || fail "no metadata ${metainfo#"$root"}"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

key() { sed -n "s/^$1=//p" "$desktop" | head -n1; }
grep -qx 'Categories=Education;Science;Chemistry;Physics;' "$desktop" || fail "Categories"
[ -n "$(key Comment)" ] || fail "no Comment"

# Every file they name is where they say.
exec_line=$(key Exec)
read -r -a exec_words <<<"$exec_line"
# A launcher drops the field codes (%f) when it opens no file.
exec_plain=()
for word in "${exec_words[@]:1}"; do [[ $word == %* ]] || exec_plain+=("$word"); done
program=$root/usr/bin/${exec_words[0]}
[ -x "$program" ] || fail "Exec names ${exec_words[0]}, not in /usr/bin"
icon=$(key Icon)
for size in 16 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/$icon.png
  file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "icon ${png#"$root"}: $(file -b "$png")"
done
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
[ -f "$share/applications/$launchable" ] || fail "metadata launches $launchable, not installed"
[ "$(sed -n 's|.*<id>\(.*\)</id>.*|\1|p' "$metainfo")" = "$appId" ] || fail "metadata id is not $appId"
for binary in $(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo"); do
  [ -x "$root/usr/bin/$binary" ] || fail "metadata provides $binary, not in /usr/bin"
  [ -f "$share/man/man1/$binary.1.gz" ] || fail "no manual page for $binary"
done
[ -f "$share/doc/spotsim/copyright" ] || fail "no copyright file"

# Lesson files: their type is known by its name, the entry opens them, and
# the lessons that come with the program are there and check clean.
mime=$share/mime/packages/$appId.xml
grep -q 'glob pattern="\*.spotsim-lesson"' "$mime" || fail "no MIME type for *.spotsim-lesson in ${mime#"$root"}"
mimetype=$(sed -n 's|.*<mime-type type="\([^"]*\)".*|\1|p' "$mime")
grep -qx "MimeType=$mimetype;" "$desktop" || fail "the desktop entry does not open $mimetype"
[[ " ${exec_words[*]} " == *" %f "* ]] || fail "Exec takes no file (%f)"
lessons=("$share"/spotsim/lessons/*.spotsim-lesson)
[ "${#lessons[@]}" -ge 5 ] || fail "only ${#lessons[@]} lessons in /usr/share/spotsim/lessons"
for lesson in "${lessons[@]}"; do
  QT_QPA_PLATFORM=offscreen "$root/usr/bin/spotsim-drive" --check "$lesson" || fail "lesson ${lesson#"$root"} does not check"
done

# lintian: errors fail, warnings are shown.
lintian --fail-on error --display-level '>=warning' "$deb" || fail "lintian"

# The program as the menu starts it: still running after 3 seconds.
unset QT_QPA_PLATFORM
status=0
timeout -k 5 60 xvfb-run -a timeout -k 2 3 "$program" "${exec_plain[@]}" >"$work/run.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$work/run.log" >&2; fail "${exec_words[0]} ended with status $status within 3 s"; }

# Its windows belong to the menu entry: the title window's class is the
# entry's StartupWMClass, and it carries the program's icon.
wmclass=$(key StartupWMClass)
cat >"$work/props.sh" <<'EOF'
"$1" &
sleep 2
window=$(xwininfo -root -tree | grep '"spotsim": ("' | head -n 1)
echo "$window"
xprop -id "$(echo $window | cut -d' ' -f1)" -len 16 _NET_WM_ICON
kill $!
EOF
timeout -k 5 60 xvfb-run -a sh "$work/props.sh" "$program" >"$work/props.log" 2>&1 || true
grep -q "(\"spotsim\" \"$wmclass\")" "$work/props.log" || { cat "$work/props.log" >&2; fail "the title window's class is not '$wmclass'"; }
grep -q "^_NET_WM_ICON(CARDINAL) =" "$work/props.log" || { cat "$work/props.log" >&2; fail "the title window has no icon"; }

# The driver from the package shows the title window on a real display.
status=0
echo 'expect visible eisodos' |
  timeout -k 5 60 xvfb-run -a "$root/usr/bin/spotsim-drive" --show - >"$work/drive.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || { cat "$work/drive.log" >&2; fail "spotsim-drive --show: status $status"; }

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "package checks passed"
