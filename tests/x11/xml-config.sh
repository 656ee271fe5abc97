#!/usr/bin/env bash
# The xscreensaver settings file: well-formed, named after the program, and each choice of
# world it offers is read as a good command line by the program's own parser.
set -uo pipefail
: "${CASCADIUM:?the cascadium program}"
xml="$(dirname "${BASH_SOURCE[0]}")/../../x11/cascadium.xml"
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.bash"
parses() { "$CASCADIUM" "$@" --help >/dev/null 2>&1; }

check "it is well-formed XML" xmllint --noout "$xml"
check "it describes the hack cascadium" [ "$(xmllint --xpath 'string(/screensaver/@name)' "$xml")" = cascadium ]
check "it starts the hack with --root" parses $(xmllint --xpath 'string(/screensaver/command/@arg)' "$xml")
check "it has a description" [ -n "$(xmllint --xpath 'normalize-space(/screensaver/_description)' "$xml")" ]

# Which worlds it offers, and in what order, SettingsFileTest checks against the world table.
options=$(xmllint --xpath 'count(/screensaver/select[@id="world"]/option)' "$xml")
defaults=$(xmllint --xpath 'count(/screensaver/select[@id="world"]/option[not(@arg-set)])' "$xml")
check "exactly one of them, the first, is the program's default" \
  eval "[ $defaults = 1 ] && [ -z \"\$(xmllint --xpath 'string(/screensaver/select/option[1]/@arg-set)' '$xml')\" ]"

seen=""
for i in $(seq 2 "$options"); do
  arg=$(xmllint --xpath "string(/screensaver/select[@id='world']/option[$i]/@arg-set)" "$xml")
  check "option $i, '$arg', is a good command line" parses $arg
  check "option $i picks a world other than the default and the others" \
    eval "[[ '$arg' == '--world '* ]] && [ '$arg' != '--world cascadium' ] && [[ '$seen' != *'$arg'* ]]"
  seen="$seen|$arg"
done
check "a world the program does not know is refused (the check above can fail)" eval "! parses --world moon"

finish
