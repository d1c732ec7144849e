#!/usr/bin/env bash
# install_tree.sh BUILD_DIR SOURCE_DIR VERSION: `cmake --install` staged with DESTDIR into a temporary
# folder puts build/game/ unchanged under /usr/lib/games/orvane/ (without a player's Orvane.cfg), the
# command, the desktop entry, the icons, the AppStream metadata and the manual; the validators pass;
# the version is the same in CMake, the metadata, the manual and debian/changelog.
# Exits 77 (skipped) when desktop-file-validate, appstreamcli or man is missing (scripts/deps.sh).
set -uo pipefail
build=$1
source_dir=$2
version=$3
for tool in desktop-file-validate appstreamcli man; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/deps.sh installs it)"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

DESTDIR=$work/stage cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
  { echo "FAIL: cmake --install: $(cat "$work/install.log")"; exit 1; }
root=$work/stage/usr
game=$root/lib/games/orvane

# The layout, byte for byte, and the programs still programs.
missing=0
while IFS= read -r -d '' f; do
  rel=${f#"$build/game/"}
  [ "$rel" = Data/Orvane.cfg ] && continue
  cmp -s "$f" "$game/$rel" || { fail "$rel differs or is missing"; missing=1; }
done < <(find "$build/game" -type f -print0)
[ $missing = 0 ] && pass "every file of build/game is installed unchanged"
for program in Orvane Modepick Data/Save Data/Plumvale Data/Ashmoor Ringdepth/Ringdepth; do
  [ -x "$game/$program" ] || fail "$program is not an installed program"
done
[ -z "$(find "$root" -name Orvane.cfg)" ] && pass "no Orvane.cfg is installed" || fail "an Orvane.cfg was installed"
[ -x "$root/games/orvane" ] && [ "$(readlink -f "$root/games/orvane")" = "$(readlink -f "$game/Orvane")" ] &&
  pass "games/orvane is the title" ||
  fail "games/orvane leads to $(readlink -f "$root/games/orvane")"

# The icons: a PNG of each size (width and height from the header).
for size in 16 24 32 48 64 128 256; do
  png=$root/share/icons/hicolor/${size}x$size/apps/orvane.png
  header=$(od -An -tx1 -j16 -N8 "$png" 2>/dev/null | tr -d ' \n')
  [ "$header" = "$(printf '%08x%08x' "$size" "$size")" ] || fail "icon ${size}x$size: header $header"
done
pass "the icons have their sizes"

# The validators.
desktop-file-validate "$root/share/applications/orvane.desktop" && pass "desktop-file-validate" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$root/share/metainfo/org.orvane.Orvane.metainfo.xml" && pass "appstreamcli validate" ||
  fail "appstreamcli validate"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$root/share/man/man6/orvane.6" 2>&1 >/dev/null)
[ -z "$warnings" ] && pass "man reads the manual without a warning" || fail "man: $warnings"

# One version everywhere.
metainfo=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$root/share/metainfo/org.orvane.Orvane.metainfo.xml" | head -1)
manual=$(sed -n 's/^\.TH ORVANE 6 "[^"]*" "Orvane \([^"]*\)".*/\1/p' "$root/share/man/man6/orvane.6")
changelog=$(sed -n '1s/^orvane (\([^)]*\)).*/\1/p' "$source_dir/debian/changelog")
[ "$metainfo $manual $changelog" = "$version $version $version" ] && pass "version $version everywhere" ||
  fail "versions: CMake $version, metadata $metainfo, manual $manual, debian/changelog $changelog"
exit $((failures > 0))
