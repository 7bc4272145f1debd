#!/usr/bin/env bash
# Installs the build into a throw-away prefix, checks the tree, and runs the
# installed program without a display.
#   install_test.sh CMAKE BUILD_DIR SAMPLE_FILE
set -u
cmake=$1 build=$2 sample=$3
prefix=$(mktemp -d) home=$(mktemp -d)
trap 'rm -rf "$prefix" "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
for f in bin/lumetra share/lumetra/LumetraSettings.xml "share/lumetra/Lumetra Help.html" \
  share/lumetra/EULA.rtf share/applications/lumetra.desktop \
  share/metainfo/io.github.lumetra.Lumetra.metainfo.xml \
  share/icons/hicolor/scalable/apps/lumetra.svg share/man/man1/lumetra.1; do
  [ -f "$prefix/$f" ] || fail "not installed: $f"
done
for s in 16 32 48 64 128 256; do
  size=$(file -b "$prefix/share/icons/hicolor/${s}x$s/apps/lumetra.png")
  [[ $size == *"$s x $s"* ]] || fail "icon ${s}x$s is: $size"
done
[ -x "$prefix/bin/lumetra" ] || fail "bin/lumetra is not executable"
! grep -q @PROJECT_VERSION@ "$prefix/share/man/man1/lumetra.1" || fail "man page version not filled in"

version=$(env -u DISPLAY "$prefix/bin/lumetra" --version) || fail "--version failed"
[[ $version == *[0-9].[0-9]* ]] || fail "--version printed: $version"
grep -q "$version" "$prefix/share/man/man1/lumetra.1" || fail "man page is not of version $version"
out=$(env -u DISPLAY HOME="$home" XDG_CONFIG_HOME="$home/config" \
  "$prefix/bin/lumetra" --timeline "$sample") || fail "--timeline failed"
[ "$(grep -c '"event"' <<<"$out")" -ge 10 ] || fail "--timeline printed: $out"
# Every option of the command line is in the manual page.
for option in $( (env -u DISPLAY "$prefix/bin/lumetra" --help
  env -u DISPLAY "$prefix/bin/lumetra" --timeline --help) | grep -o -- '--[a-z][a-z-]*' | sort -u); do
  grep -q -- "${option//-/\\\\-}" "$prefix/share/man/man1/lumetra.1" || fail "man page lacks $option"
done
echo "installed tree under $prefix is complete; the installed program runs"
