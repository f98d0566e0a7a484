#!/usr/bin/env bash
# A table whose window the X server destroys from outside (a window manager
# that went down, xdotool windowclose) ends as the quit command ends it:
# status 0 and the member files written, leaving no process without a window
# behind to answer the next start.
#   table_window_destroyed.sh PROGRAM
set -euo pipefail
program=$1
work=$(mktemp -d)
player=
server=
cleanup() {
  [ -n "$player" ] && kill "$player" 2>/dev/null || true
  # The server gone before its display number is free for the next one.
  [ -n "$server" ] && { kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; } || true
  rm -rf "$work"
}
trap cleanup EXIT

# An X server of its own, on a display number it picks itself and writes
# once it takes connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
server=$!
for _ in $(seq 1 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "the X server did not start"; exit 1; }
export DISPLAY=:$(cat "$work/display")

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
export SDL_AUDIODRIVER=dummy
unset WAYLAND_DISPLAY
mkdir -p "$HOME" "$XDG_CONFIG_HOME/winpiruk" "$XDG_DATA_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
share=$(cd "$(dirname "$program")/../share/winpiruk" && pwd)
printf '[WinPiruk]\r\nDataFileDirectory =%s\r\n' "$share" >"$XDG_CONFIG_HOME/winpiruk/WinPiruk.ini"
records=$XDG_DATA_HOME/winpiruk

"$program" >"$work/output" 2>&1 &
player=$!

# The table: this program's shown window of at least the design size (the
# start-up window, shown first, is smaller).
table_window() {
  local id WIDTH HEIGHT
  for id in $(xdotool search --onlyvisible --pid "$player" 2>/dev/null || true); do
    WIDTH=0 HEIGHT=0
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | grep -E '^(WIDTH|HEIGHT)=[0-9]+$' || true)"
    if [ "$WIDTH" -ge 541 ] && [ "$HEIGHT" -ge 359 ]; then
      echo "$id"
      return 0
    fi
  done
}
window=
# A loaded machine (the sanitizer build, tests side by side) may take a while.
for _ in $(seq 1 600); do
  window=$(table_window)
  [ -n "$window" ] && break
  kill -0 "$player" 2>/dev/null || { echo "the program ended before its table showed"; cat "$work/output"; exit 1; }
  sleep 0.1
done
[ -n "$window" ] || { echo "no table on the screen"; exit 1; }
[ ! -e "$records/WPirukMn.dat" ] || { echo "the member files were there before the end"; exit 1; }

xdotool windowclose "$window"
for _ in $(seq 1 100); do
  kill -0 "$player" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$player" 2>/dev/null && { echo "the program lives on without its window"; exit 1; }
status=0
wait "$player" || status=$?
player=
[ "$status" -eq 0 ] || { echo "the program ended with status $status"; cat "$work/output"; exit 1; }
for file in WPirukMn.dat WPirukMd.dat; do
  [ -s "$records/$file" ] || { echo "not written at the end: $file"; exit 1; }
done
echo "the table's window destroyed: the program ended with status 0, its records written"
