#!/usr/bin/env bash
# Checks the Debian package as its users' tools see it: its fields and files, the menu
# entry and software-centre metadata against their validators, the manual page as man
# shows it, the packaged program's command line, and lintian.
#   tests/package/package_test.sh canzet_VERSION_amd64.deb
set -euo pipefail
export LC_ALL=C.UTF-8
package=$1
version=$(dpkg-deb -f "$package" Version)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Fields: the libraries from dpkg-shlibdeps, the soundfont, and Qt's display plugins.
depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libfluidsynth3 libasound2 libc6 qt6-qpa-plugins \
    "timgm6mb-soundfont | sf2-soundfont-gm"; do
    [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed"
done
[ "$(basename "$package")" = "canzet_${version}_amd64.deb" ] || fail "named $(basename "$package")"

dpkg-deb -x "$package" "$work/root"
root=$work/root/usr
for file in bin/canzet share/applications/canzet.desktop share/applications/canzet-practice.desktop \
    share/metainfo/org.canzet.Canzet.metainfo.xml share/man/man1/canzet.1.gz \
    share/doc/canzet/copyright share/doc/canzet/changelog.gz; do
    [ -f "$root/$file" ] || fail "not packaged: /usr/$file"
done

# The icon theme holds the menu sizes and those of docks and software centres, each PNG
# as large as its folder says; the software-centre metadata names the icon.
found=()
for size in 16 32 48 64 128 256; do
    icon=$root/share/icons/hicolor/${size}x${size}/apps/canzet.png
    if [ "$(identify -format '%m %wx%h' "$icon" 2>/dev/null)" = "PNG ${size}x${size}" ]; then
        found+=("$size")
    else
        fail "no ${size}x${size} PNG icon"
    fi
done
scalable=$root/share/icons/hicolor/scalable/apps/canzet.svg
if python3 -c 'import sys, xml.dom.minidom as m; sys.exit(m.parse(sys.argv[1]).documentElement.tagName != "svg")' \
    "$scalable" 2>/dev/null; then
    found+=(scalable)
else
    fail "no scalable SVG icon"
fi
echo "icon sizes: ${found[*]}"
grep -q '<icon type="stock">canzet</icon>' "$root/share/metainfo/org.canzet.Canzet.metainfo.xml" ||
    fail "the metainfo names no icon"

# The validators: any error fails, and so does a desktop-file warning.
desktop-file-validate "$root/share/applications/canzet.desktop" \
    "$root/share/applications/canzet-practice.desktop" >"$work/desktop.log" 2>&1 ||
    fail "desktop-file-validate"
cat "$work/desktop.log"
grep -Eq 'error|warning' "$work/desktop.log" && fail "desktop-file-validate: $(cat "$work/desktop.log")"
appstreamcli validate --no-net "$root/share/metainfo/org.canzet.Canzet.metainfo.xml" ||
    fail "appstreamcli validate"

# The manual page renders without a warning and lists the options --help gives.
MANWIDTH=80 man --warnings -l "$root/share/man/man1/canzet.1.gz" >"$work/man.txt" \
    2>"$work/man.err" || fail "man -l"
[ -s "$work/man.err" ] && fail "man -l: $(cat "$work/man.err")"
for text in "canzet - " "--help" "--version" "SYSTEM MENU" "关于 Canzet" "FILES" \
    "REPORTING BUGS"; do
    grep -qF -- "$text" "$work/man.txt" || fail "the manual page lacks '$text'"
done

# The packaged program answers on its command line without a display.
program=$root/bin/canzet
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }
[ "$(run --version)" = "canzet $version" ] || fail "--version: $(run --version)"
run --language en --help >"$work/help.txt" || fail "--help: status $?"
head -1 "$work/help.txt" | grep -q '^Usage: canzet' || fail "--help: $(head -1 "$work/help.txt")"
# Under a Chinese locale the help is Chinese (env sets the locale for the program alone:
# the shell may have no such locale to switch to).
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=zh_CN.UTF-8 "$program" --help \
    >"$work/help-zh.txt" || fail "--help in Chinese: status $?"
head -1 "$work/help-zh.txt" | grep -q '^用法：canzet' || fail "--help in Chinese: $(head -1 "$work/help-zh.txt")"
echo "canzet --help under zh_CN.UTF-8: $(head -2 "$work/help-zh.txt" | tr '\n' ' ')"
status=0
run --no-such-option 2>"$work/bad.txt" >/dev/null || status=$?
[ "$status" -eq 2 ] && [ "$(wc -l <"$work/bad.txt")" -eq 1 ] ||
    fail "an unknown option: status $status, $(cat "$work/bad.txt")"

# lintian: errors fail; its whole report is printed for the record.
lintian --fail-on error "$package" >"$work/lintian.txt" 2>&1 || fail "lintian"
echo "lintian:"
cat "$work/lintian.txt"

size=$(stat -c %s "$package")
echo "$(basename "$package"): $size bytes"
[ "$failures" -eq 0 ] || exit 1
echo "PASS"
