#!/usr/bin/env bash
# Installing and packaging: `cmake --install` puts the hack where xscreensaver looks for hacks
# and its settings file beside xscreensaver's own; `cpack` makes a Debian package of them.
set -uo pipefail
: "${CASCADIUM_BUILD_DIR:?the build tree}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.bash"

cmake --install "$CASCADIUM_BUILD_DIR" --prefix "$work/prefix" >"$work/install.log" 2>&1
check "cmake --install installs the hack" [ -x "$work/prefix/libexec/xscreensaver/cascadium" ]
check "and its settings file" [ -f "$work/prefix/share/xscreensaver/config/cascadium.xml" ]

(cd "$work" && cpack --config "$CASCADIUM_BUILD_DIR/CPackConfig.cmake" -B "$work/package") >"$work/cpack.log" 2>&1
deb=$(find "$work/package" -maxdepth 1 -name 'cascadium_*.deb' | head -n 1)
check "cpack makes a Debian package ($(basename "${deb:-none}"))" [ -n "$deb" ]
[ -n "$deb" ] || { cat "$work/cpack.log"; exit 1; }

dpkg-deb -c "$deb" | awk '{ print $1, $6 }' >"$work/contents.txt"
cat "$work/contents.txt"
check "it holds the hack, executable, in /usr/libexec/xscreensaver" \
  grep -qE '^-rwxr-xr-x \./usr/libexec/xscreensaver/cascadium$' "$work/contents.txt"
check "it holds the settings file in /usr/share/xscreensaver/config" \
  grep -qE '^-rw-r--r-- \./usr/share/xscreensaver/config/cascadium\.xml$' "$work/contents.txt"
check "it holds nothing else" [ "$(grep -c '^-' "$work/contents.txt")" = 2 ]
# The version users read, as the top of CMakeLists.txt sets it, not CMake's four numbers.
version=$(sed -nE 's/^set\(CASCADIUM_VERSION_TEXT (.*)\)$/\1/p' "$(dirname "${BASH_SOURCE[0]}")/../../CMakeLists.txt")
check "it is version $version" [ "$(dpkg-deb -f "$deb" Version)" = "$version" ]
depends=$(dpkg-deb -f "$deb" Depends)
echo "  Depends: $depends"
check "it depends on the X libraries, and no longer on Cairo" \
  eval "[[ '$depends' == *libx11-6* && '$depends' == *libxext6* && '$depends' != *cairo* ]]"

finish
