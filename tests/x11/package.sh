#!/usr/bin/env bash
# Installing and packaging: `cmake --install` puts the hack where xscreensaver looks for hacks,
# its settings file beside xscreensaver's own and its manual page, copyright file and changelog
# where Debian keeps them; `cpack` makes a Debian package of them that lintian finds no fault in.
set -uo pipefail
: "${CASCADIUM:?the cascadium program}"
: "${CASCADIUM_BUILD_DIR:?the build tree}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.bash"

# Every file the package holds, with its mode, as `dpkg-deb -c` shows them.
expected="-rwxr-xr-x ./usr/libexec/xscreensaver/cascadium
-rw-r--r-- ./usr/share/doc/cascadium/changelog.gz
-rw-r--r-- ./usr/share/doc/cascadium/copyright
-rw-r--r-- ./usr/share/lintian/overrides/cascadium
-rw-r--r-- ./usr/share/man/man6/cascadium.6.gz
-rw-r--r-- ./usr/share/xscreensaver/config/cascadium.xml"
# The Wayland program and its page, when the build made it.
wayland_built=false
if [ -x "$CASCADIUM_BUILD_DIR/wayland/cascadium-wayland" ]; then
  wayland_built=true
  expected+="
-rwxr-xr-x ./usr/bin/cascadium-wayland
-rw-r--r-- ./usr/share/man/man6/cascadium-wayland.6.gz"
fi

cmake --install "$CASCADIUM_BUILD_DIR" --prefix "$work/prefix" >"$work/install.log" 2>&1
while read -r _ path; do
  check "cmake --install installs ${path#./usr/}" [ -f "$work/prefix/${path#./usr/}" ]
done <<<"$expected"
check "the hack it installs is executable" [ -x "$work/prefix/libexec/xscreensaver/cascadium" ]

(cd "$work" && cpack --config "$CASCADIUM_BUILD_DIR/CPackConfig.cmake" -B "$work/package") >"$work/cpack.log" 2>&1
deb=$(find "$work/package" -maxdepth 1 -name 'cascadium_*.deb' | head -n 1)
check "cpack makes a Debian package ($(basename "${deb:-none}"))" [ -n "$deb" ]
[ -n "$deb" ] || { cat "$work/cpack.log"; exit 1; }

dpkg-deb -c "$deb" | awk '{ print $1, $6 }' >"$work/contents.txt"
cat "$work/contents.txt"
check "it holds the hack, executable, its settings file and its documents, and nothing else" \
  diff <(sort <<<"$expected") <(grep '^-' "$work/contents.txt" | sort)
# The version users read, as the top of CMakeLists.txt sets it, not CMake's four numbers.
version=$(sed -nE 's/^set\(CASCADIUM_VERSION_TEXT (.*)\)$/\1/p' "$(dirname "${BASH_SOURCE[0]}")/../../CMakeLists.txt")
check "it is version $version" [ "$(dpkg-deb -f "$deb" Version)" = "$version" ]
depends=$(dpkg-deb -f "$deb" Depends)
echo "  Depends: $depends"
check "it depends on the X libraries, and no longer on Cairo" \
  eval "[[ '$depends' == *libx11-6* && '$depends' == *libxext6* && '$depends' != *cairo* ]]"
$wayland_built && check "and on the Wayland client and XKB libraries" \
  eval "[[ '$depends' == *libwayland-client0* && '$depends' == *libxkbcommon0* ]]"

dpkg-deb -x "$deb" "$work/root"
docs="$work/root/usr/share"
check "its changelog's latest entry is this version" \
  [ "$(zcat "$docs/doc/cascadium/changelog.gz" | dpkg-parsechangelog -l - -S Version)" = "$version" ]
# Each option --help names heads an entry of the manual page (the line after a .TP; the page
# escapes its dashes, \-\-world).
zcat "$docs/man/man6/cascadium.6.gz" | sed 's/\\-/-/g' | awk 'tag { print } { tag = /^\.TP/ }' >"$work/entries.txt"
for option in $("$CASCADIUM" --help | grep -oE '^  --[a-z-]+'); do
  check "its manual page has an entry for $option, as --help does" grep -qE -- "^\.B[IR]? $option( |\$)" "$work/entries.txt"
done
if $wayland_built; then
  zcat "$docs/man/man6/cascadium-wayland.6.gz" | sed 's/\\-/-/g' | awk 'tag { print } { tag = /^\.TP/ }' >"$work/entries.txt"
  for option in $("$work/root/usr/bin/cascadium-wayland" --help | grep -oE '^  --[a-z-]+'); do
    check "cascadium-wayland's page has an entry for $option, as its --help does" \
      grep -qE -- "^\.B[IR]? $option( |\$)" "$work/entries.txt"
  done
fi

# Debian's own judge of a package: no error and no warning. The overrides the package ships say
# why each tag they hide does not apply.
if command -v lintian >/dev/null; then
  lintian --pedantic --display-info "$deb" >"$work/lintian.txt" 2>&1
  grep -E '^[EWIP]: ' "$work/lintian.txt"
  check "lintian reports no error and no warning" eval "! grep -qE '^[EW]: ' '$work/lintian.txt'"
  # A hardened build (every one but the sanitizers'): stack protector, fortified calls, full
  # RELRO bound at start-up, and no section Debian strips.
  if grep -q '^CASCADIUM_HARDENING:BOOL=ON$' "$CASCADIUM_BUILD_DIR/CMakeCache.txt"; then
    check "lintian finds the program hardened and stripped as Debian's are" \
      eval "! grep -qE 'hardening-|binary-has-unneeded-section' '$work/lintian.txt'"
  fi
else
  check "lintian is installed (scripts/setup installs it)" false
fi

finish
