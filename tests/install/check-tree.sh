#!/usr/bin/env bash
# Installs the built tree into a scratch prefix, then checks that the menu
# entry, the AppStream data, the icons and the manual there are each valid,
# name one another and carry the project's version.
# Usage: check-tree.sh CMAKE BUILD_DIR VERSION
set -euo pipefail
cmake=$1
build=$2
version=$3

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

"$cmake" --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix"

# Exactly these files: a missing one breaks the menu or the package, and an
# unexpected one would ship unnoticed.
sizes=(16 32 48 64 128 256)
expected=(
    bin/kinetara
    share/applications/kinetara.desktop
    share/metainfo/io.kinetara.Kinetara.metainfo.xml
    share/icons/hicolor/scalable/apps/kinetara.svg
    share/man/man1/kinetara.1.gz
    share/doc/kinetara/copyright
    share/doc/kinetara/changelog.gz
)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/kinetara.png")
done
if ! list=$(diff <(printf '%s\n' "${expected[@]}" | sort) <(find . -type f -printf '%P\n' | sort)); then
    fail "installed files differ from the expected ones (< missing, > unexpected):"$'\n'"$list"
fi

[[ -x bin/kinetara ]] || fail "bin/kinetara is not executable"
answer=$(bin/kinetara --version) || fail "bin/kinetara --version failed"
[[ $answer == "kinetara $version" ]] || fail "bin/kinetara --version said '$answer'"

# The validators print warnings but only fail on errors, so any output fails.
desktop=share/applications/kinetara.desktop
report=$(desktop-file-validate "$desktop" 2>&1) && [[ -z $report ]] ||
    fail "desktop-file-validate: $report"
value() { sed -n "s/^$1=//p" "$desktop"; }
[[ $(value Exec) == kinetara ]] || fail "Exec is '$(value Exec)', not the installed kinetara"
[[ $(value Icon) == kinetara ]] || fail "Icon is '$(value Icon)', not the installed kinetara icon"
grep -q '^Categories=.*Graphics;' "$desktop" || fail "the entry is not in the Graphics menu"

# The tree check also finds the desktop entry the metainfo's launchable names.
report=$(appstreamcli validate-tree --no-net . 2>&1) || fail "appstreamcli validate-tree: $report"
metainfo=share/metainfo/io.kinetara.Kinetara.metainfo.xml
grep -q "<release version=\"$version\" date=" "$metainfo" ||
    fail "the metainfo has no release $version"

# Each PNG is as large as the directory it is in says (width and height are
# bytes 16 to 23 of the header).
for size in "${sizes[@]}"; do
    png=share/icons/hicolor/${size}x${size}/apps/kinetara.png
    [[ -f $png ]] || continue
    read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$png")
    width=$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))
    height=$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))
    [[ $width == "$size" && $height == "$size" ]] || fail "$png is ${width}x$height"
done

man=share/man/man1/kinetara.1.gz
if report=$(zcat "$man" | groff -man -Tutf8 -ww -z 2>&1); [[ -n $report ]]; then
    fail "groff warns about the manual: $report"
fi
zcat "$man" | grep -q "^\.TH KINETARA 1 .*\"Kinetara $version\"" ||
    fail "the manual is not for version $version"
changelog=$(zcat share/doc/kinetara/changelog.gz | dpkg-parsechangelog -l - -S Version)
[[ $changelog == "$version" ]] || fail "the changelog's last entry is $changelog, not $version"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    share/doc/kinetara/copyright || fail "the copyright file is not in Debian's format"

((failures == 0))
