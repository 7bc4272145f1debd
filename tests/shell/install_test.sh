#!/usr/bin/env bash
# Installs the build into a throw-away prefix (with `cmake --install`, or as
# the .deb that cpack makes, unpacked with dpkg-deb), checks the tree, and runs
# the installed program without a display.
#   install_test.sh install|deb CMAKE BUILD_DIR SAMPLE_FILE
set -u
mode=$1 cmake=$2 build=$3 sample=$4
root=$(mktemp -d) home=$(mktemp -d)
trap 'rm -rf "$root" "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

tools=file && [ "$mode" = deb ] && tools="dpkg-deb dpkg-shlibdeps file"
for tool in $tools; do
  command -v $tool >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
done
if [ "$mode" = deb ]; then
  "${cmake%cmake}cpack" --config "$build/CPackConfig.cmake" -B "$root/package" >/dev/null ||
    fail "cpack"
  deb=$(ls "$root"/package/lumetra_*_amd64.deb) || fail "no lumetra_<version>_amd64.deb"
  dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package lacks its dependencies"
  dpkg-deb -x "$deb" "$root/tree" || fail "dpkg-deb -x"
  prefix=$root/tree/usr
else
  prefix=$root/tree
  "$cmake" --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
fi
for f in bin/lumetra bin/lumetra-desktop lib/lumetra/lumetra-documents.so share/lumetra/EULA.rtf \
  share/lumetra/LumetraSettings.xml "share/lumetra/Lumetra Help.html" share/man/man1/lumetra.1 \
  share/applications/lumetra.desktop share/metainfo/io.github.lumetra.Lumetra.metainfo.xml \
  share/icons/hicolor/scalable/apps/lumetra.svg; do
  [ -f "$prefix/$f" ] || fail "not installed: $f"
done
for s in 16 32 48 64 128 256; do
  size=$(file -b "$prefix/share/icons/hicolor/${s}x$s/apps/lumetra.png")
  [[ $size == *"$s x $s"* ]] || fail "icon ${s}x$s is: $size"
done
[ -x "$prefix/bin/lumetra" ] && [ -x "$prefix/bin/lumetra-desktop" ] || fail "bin/ not executable"
# The command answers the timeline and the version without Qt's widgets.
! command -v ldd >/dev/null || ! ldd "$prefix/bin/lumetra" | grep -q libQt6 || fail "bin/lumetra loads Qt"

version=$(env -u DISPLAY "$prefix/bin/lumetra" --version) || fail "--version failed"
[[ $version == *[0-9].[0-9]* ]] || fail "--version printed: $version"
grep -q "$version" "$prefix/share/man/man1/lumetra.1" || fail "man page is not of version $version"
out=$(env -u DISPLAY HOME="$home" XDG_CONFIG_HOME="$home/config" \
  "$prefix/bin/lumetra" --timeline "$sample") || fail "--timeline failed"
[ "$(grep -c '"event"' <<<"$out")" -ge 10 ] || fail "--timeline printed: $out"
# The installed command finds its document readers: a broken package is
# refused as damaged, not as unreadable for want of them.
printf 'PK\003\004' >"$home/broken.docx"
why=$(env -u DISPLAY HOME="$home" "$prefix/bin/lumetra" --timeline "$home/broken.docx" 2>&1)
[[ $why == *"is damaged"* ]] || fail "a broken document gave: $why"
# Alone, the command still reads a text file's timeline, and says plainly
# that it cannot load the document readers or start the desktop program.
mkdir "$root/alone" && cp "$prefix/bin/lumetra" "$root/alone/"
alone() { env -u DISPLAY HOME="$home" "$root/alone/lumetra" "$@" 2>&1; }
alone --timeline "$sample" >/dev/null || fail "the command alone cannot read a timeline"
why=$(alone --timeline "$home/broken.docx")
[ $? -eq 1 ] && [[ $why == *"cannot be loaded"* ]] || fail "alone, a document gave: $why"
why=$(alone --help)
[ $? -eq 1 ] && [[ $why == *"cannot start"*lumetra-desktop* ]] || fail "alone, --help gave: $why"
# Every option of the command line is in the manual page.
for option in $( (env -u DISPLAY "$prefix/bin/lumetra" --help
  env -u DISPLAY "$prefix/bin/lumetra" --timeline --help) | grep -o -- '--[a-z][a-z-]*' | sort -u); do
  grep -q -- "${option//-/\\\\-}" "$prefix/share/man/man1/lumetra.1" || fail "man page lacks $option"
done
echo "the tree installed by $mode is complete; the installed program runs"
