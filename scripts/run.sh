#!/usr/bin/env bash
# The main job: starts wcthrm-host on the shipped sample project. Without a display it says so
# and prints the book of every tab of each sample item instead, through wcthrm-calc (the items
# of the sample project hold the values of samples/<kind>.ini).
set -euo pipefail
build=${1:-build/default}
root=$(cd "$(dirname "$0")/.." && pwd)
host="$build/src/host/wcthrm-host"
calc="$build/src/cli/wcthrm-calc"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$host" ]; then
  exec "$host" "$root/samples/winter-construction.wcthrm"
fi
echo "run: no display to show wcthrm-host on; the books of the sample items follow." >&2
"$calc" --help | sed -n '/^Kinds and their tabs:/,$p' | tail -n +2 |
  while read -r kind _ _ _ last; do
    last=${last%)}
    for tab in $(seq 0 "$last"); do
      echo "=== $kind, tab $tab"
      "$calc" --utf8 "$kind" "$tab" "$root/samples/$kind.ini" || true
      echo
    done
  done
