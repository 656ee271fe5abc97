#!/bin/bash
# scripts/setup against a mirror in the middle of a sync, with stand-ins for apt and dpkg first
# on the PATH: every index but one arrives, and what that index held cannot be installed.
# Usage: setup-mirror-sync.sh SOURCE_DIR
set -u
source "$(dirname "$0")/../support/checks.bash"
setup="$1/scripts/setup"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bin="$work/bin"
mkdir -p "$bin" "$work/sources.list.d"
printf 'deb http://archive.invalid/debian bookworm main\ndeb-src http://archive.invalid/debian bookworm main\n' \
  >"$work/sources.list"

stand_in() { printf '#!/bin/bash\n%s\n' "$2" >"$bin/$1" && chmod +x "$bin/$1"; }
stand_in sudo 'exec "$@"'
stand_in apt-config "echo \"sources_list='$work/sources.list' sources_parts='$work/sources.list.d/'\""
stand_in dpkg 'case $1 in --print-foreign-architectures) echo i386 ;; *) exec /usr/bin/dpkg "$@" ;; esac'
stand_in dpkg-query 'exit 1'
# update fails as a mirror mid-sync makes it fail; install fails for every package named in
# $work/uninstallable, as apt refuses one it has no candidate for.
stand_in apt-get "
if [ \"\$1\" = update ]; then
  echo update >>'$work/updates'
  echo 'E: Failed to fetch http://archive.invalid/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?' >&2
  echo 'E: Some index files failed to download. They have been ignored, or old ones used instead.' >&2
  exit 100
fi
for p; do
  if grep -qxF -- \"\$p\" '$work/uninstallable'; then echo \"E: Package '\$p' has no installation candidate\" >&2; exit 100; fi
done"

run_setup() {
  rm -f "$work/updates"
  printf '%s\n' "$@" >"$work/uninstallable"
  PATH="$bin:$PATH" CASCADIUM_APT_RETRY_PAUSE=0 bash "$setup" --packages-only >"$work/out" 2>&1
  status=$?
  sed 's/^/    | /' "$work/out"
}
lines() { grep -c -- "$1" "$work/out"; }

echo "only the 32-bit Wine is missing from the lists that arrived:"
run_setup wine32:i386
check "setup ends 0" [ "$status" -eq 0 ]
check "the update was tried three times" [ "$(wc -l <"$work/updates")" -eq 3 ]
check "one line says the update failed and setup goes on" [ "$(lines 'apt-get update failed .*Mirror sync in progress?.*going on')" -eq 1 ]
check "one line names the 32-bit Wine and the skipped runs" [ "$(lines 'wine32:i386 .*32-bit Windows runs will be skipped')" -eq 1 ]

echo "a 64-bit package is missing too:"
run_setup wine32:i386 libbox2d-dev
check "setup ends non-zero" [ "$status" -ne 0 ]
check "it names the package and no other" grep -qx 'setup: cannot install libbox2d-dev' "$work/out"
finish
