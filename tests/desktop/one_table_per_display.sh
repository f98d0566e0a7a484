#!/usr/bin/env bash
# One table per desktop session: the same user on two X servers runs two
# tables; a second start on the same server leaves the first alone and ends.
#   one_table_per_display.sh PROGRAM
set -euo pipefail
program=$1
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# Two X servers on free display numbers.
displays=()
for n in $(seq 150 250); do
  [ ${#displays[@]} -eq 2 ] && break
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  displays+=(":$n")
done
for d in "${displays[@]}"; do
  for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X${d#:}" ] && break; sleep 0.1; done
done

export HOME=$work/home SDL_AUDIODRIVER=dummy
unset XDG_CONFIG_HOME XDG_DATA_HOME WAYLAND_DISPLAY
mkdir -p "$HOME"
start() {  # start DISPLAY: runs the program there in the background
  DISPLAY=$1 "$program" >/dev/null 2>&1 &
  pids+=($!)
}
start "${displays[0]}"
first=${pids[-1]}
start "${displays[1]}"
second=${pids[-1]}
sleep 3
kill -0 "$first" || { echo "the table on ${displays[0]} ended"; exit 1; }
kill -0 "$second" || { echo "the table on ${displays[1]} ended: one table per user, not per session"; exit 1; }

# A second start on the first server asks the first table to come forward and ends.
DISPLAY=${displays[0]} timeout 10 "$program" >/dev/null 2>&1 || { echo "the second start did not end by itself"; exit 1; }
kill -0 "$first" || { echo "the first table ended after the second start"; exit 1; }
echo "two sessions, two tables; a second start in one session ends"
