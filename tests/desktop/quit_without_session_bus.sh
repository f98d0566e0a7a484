#!/usr/bin/env bash
# The table on an X server of its own, in a fresh home and with no session
# bus, quit from its menu: it keeps its records and ends with status 0. Run
# under the sanitizers, this shows that quitting leaks nothing of the
# program's own (the system's D-Bus library, which leaks without a bus, is
# suppressed by the test's LSAN_OPTIONS).
#   quit_without_session_bus.sh PROGRAM SHARE_DIR
set -euo pipefail
program=$1
share=$2
work=$(mktemp -d)
server=
player=
cleanup() {
  for pid in $player $server; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# A display number that no other test's server takes.
for n in $(seq 260 360); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  server=$!
  export DISPLAY=:$n
  break
done
[ -n "$server" ] || { echo "no free display number"; exit 1; }
for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
export SDL_AUDIODRIVER=dummy
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY QT_QPA_PLATFORM
mkdir -p "$HOME" "$XDG_CONFIG_HOME/winpiruk" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# With its card folder known the table opens without asking for it.
printf 'DataFileDirectory =%s\r\n' "$share" >"$XDG_CONFIG_HOME/winpiruk/WinPiruk.ini"

# The table, not the start-up banner of the same title: the wide window, in
# either language (the locale decides).
table_window() {
  local window width
  for window in $(xdotool search --onlyvisible --name "^(ぴるく|Piruk)\$" 2>/dev/null); do
    width=$(xdotool getwindowgeometry "$window" 2>/dev/null | sed -n "s/.*Geometry: \([0-9]*\)x.*/\1/p")
    [ "${width:-0}" -ge 500 ] && { echo "$window"; return 0; }
  done
  return 0
}

"$program" 2>"$work/stderr" &
player=$!
# ｹﾞｰﾑ → ぴるく の終了, as the user quits; keys that came too early are sent again.
for _ in $(seq 1 40); do
  kill -0 "$player" 2>/dev/null || break
  window=$(table_window)
  if [ -n "$window" ]; then
    xdotool windowfocus "$window" sleep 0.3 key Escape key alt+g sleep 0.5 key x 2>/dev/null || true
  fi
  for _ in $(seq 1 10); do kill -0 "$player" 2>/dev/null || break; sleep 0.2; done
done
kill -0 "$player" 2>/dev/null && { echo "the program did not quit from its menu"; exit 1; }
status=0
wait "$player" || status=$?
player=
cat "$work/stderr" >&2
[ "$status" -eq 0 ] || { echo "the program ended with status $status"; exit 1; }
[ -s "$XDG_DATA_HOME/winpiruk/WPirukMd.dat" ] || { echo "the program ended without keeping its records"; exit 1; }
echo "quit from the menu without a session bus: status 0, records kept"
