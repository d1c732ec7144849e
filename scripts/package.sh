#!/usr/bin/env bash
# Builds the Debian package from the committed tree, outside the checkout, and checks it with lintian:
#   scripts/package.sh [OUT_DIR]     (default out/; the .deb, .changes and lintian.txt land there)
# The committed files are exported into a temporary folder first, so nothing of the build (obj-*/,
# debian/orvane/, ../*.deb) lands in or beside the checkout. Uncommitted changes are not packaged.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-out}")
version=$(dpkg-parsechangelog -S Version)
work=$(mktemp -d /tmp/orvane-package.XXXXXX)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/orvane-$version" "$out"
git archive HEAD | tar -x -C "$work/orvane-$version"
(cd "$work/orvane-$version" && nice dpkg-buildpackage -us -uc -b -j"${JOBS:-2}")
cp "$work"/*.deb "$work"/*.changes "$out/"
# Errors fail the build; warnings and notes are printed for a look.
lintian --fail-on error "$work"/orvane_"${version}"_*.changes | tee "$out/lintian.txt"
echo "package: $(ls "$out"/orvane_"${version}"_*.deb)"
