#!/usr/bin/env bash
# Screenshots of the running program for a person to look at: starts varnel.exe
# of a Windows build in its Wine virtual desktop with the given arguments, sends
# each key chord given with -k to the desktop (as typed by a user), and writes
# the whole screen as a PNG after each step. Nothing is checked: the tests do that.
#   scripts/screenshot.sh [-k KEYS]... BITS BUILD OUT.png [ARGS...]
#   e.g. scripts/screenshot.sh -k ctrl+f -k Escape 64 build/win64 /tmp/shot.png 'Z:\tmp\a.bin'
# writes /tmp/shot-0.png (after start), /tmp/shot-1.png (after ctrl+f), ...
set -euo pipefail
cd "$(dirname "$0")/.."

keys=()
while [ "${1:-}" = -k ]; do keys+=("$2"); shift 2; done
bits=${1:?usage: $0 [-k KEYS]... BITS BUILD OUT.png [ARGS...]}
build=${2:?BUILD folder missing}
out=${3:?OUT.png missing}
shift 3

scripts/wine-test.sh start "$bits" "$build" >/dev/null
export DISPLAY=$(cat "$build/wine-state/display")
scripts/wine-test.sh desktop "$bits" "$build" "$(cd "$build" && pwd)/varnel.exe" "$@" >/dev/null 2>&1 &
trap 'scripts/wine-test.sh stop "$bits" "$build"' EXIT
sleep 6
desktop=$(xdotool search --name "Wine desktop" | head -1)
step=0
import -window root "${out%.png}-$step.png"
for chord in "${keys[@]}"; do
  xdotool windowfocus "$desktop"
  xdotool key "$chord"
  sleep 1.5
  step=$((step + 1))
  import -window root "${out%.png}-$step.png"
done
echo "screenshots: ${out%.png}-0.png .. ${out%.png}-$step.png"
