#!/usr/bin/env bash
# Prints the book of every tab of each shipped sample item, through wcthrm-calc.
set -euo pipefail
build=${1:-build/default}
root=$(cd "$(dirname "$0")/.." && pwd)
calc="$build/src/cli/wcthrm-calc"
"$calc" --help | sed -n '/^Kinds and their tabs:/,$p' | tail -n +2 |
  while read -r kind _ _ _ last; do
    last=${last%)}
    for tab in $(seq 0 "$last"); do
      echo "=== $kind, tab $tab"
      "$calc" --utf8 "$kind" "$tab" "$root/samples/$kind.ini" || true
      echo
    done
  done
