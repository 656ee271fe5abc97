#!/usr/bin/env bash
# Simulated seconds per CPU second of each world at steady state, natively and in WebAssembly
# under node, in one run, with the wasm figure as a share of the native one.
# Usage: bench/web-rtf.sh NATIVE_CASCADIUM_RTF WASM_CASCADIUM_RTF_JS
set -euo pipefail
native=${1:?usage: bench/web-rtf.sh NATIVE_RTF WASM_RTF_JS}
wasm=${2:?usage: bench/web-rtf.sh NATIVE_RTF WASM_RTF_JS}
native_out=$("$native")
wasm_out=$(node --no-experimental-fetch "$wasm")
printf '%-10s %12s %12s %8s\n' world native wasm share
join <(sort <<<"$native_out") <(sort <<<"$wasm_out") |
  awk '{ printf "%-10s %12.1f %12.1f %7.0f %%\n", $1, $2, $3, 100 * $3 / $2 }'
