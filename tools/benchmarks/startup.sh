#!/bin/bash
# Start-up, memory and idle wake-ups of the table, measured under Xvfb.
#   tools/benchmarks/startup.sh [BUILD_DIR] [ROUNDS]
# Times exec to the table's window mapped against a bare Qt window, the two
# alternating, and prints both medians and their ratio; then the resident
# memory at the empty table, with music playing and after an auto-played
# match with music, and the context switches of all the program's threads
# over ten idle seconds at the waiting table (sound off, then on). The
# machine may be busy with other work: the figures are medians for that.
set -u
BUILD=$(realpath "${1:-build}")
ROUNDS=${2:-5}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$BUILD" "$ROUNDS"
fi
BIN=$BUILD/bin
TITLE=ぴるく
WORK=$(mktemp -d)
export HOME=$WORK/home
mkdir -p "$HOME"
export XDG_RUNTIME_DIR=$WORK/run
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
INI=$HOME/.config/winpiruk/WinPiruk.ini
trap 'rm -rf "$WORK"' EXIT

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
switches() {
  cat /proc/"$1"/task/*/status 2>/dev/null |
    awk '/^(voluntary|nonvoluntary)_ctxt_switches/ {n += $2} END {print n}'
}
stop() { kill "$1" 2>/dev/null; wait "$1" 2>/dev/null; sleep 0.3; }
# Starts the game; sets PID and MS (exec to the table mapped).
start_game() { read -r PID MS < <("$BIN/winpiruk-map-watch" "$TITLE" "$BIN/winpiruk" 2>/dev/null); }
set_value() { sed -i "s|^$1 =[^\r]*\r|$1 =$2\r|" "$INI"; }

# The first start asks for the card folder: take the one offered.
"$BIN/winpiruk" 2>/dev/null & first=$!
for _ in $(seq 50); do [ -f "$INI" ] && break; sleep 0.2; xdotool key Return 2>/dev/null; done
sleep 1; stop $first
[ -f "$INI" ] || { echo "no settings file was written"; exit 1; }
set_value GameSpeed " 3"
set_value NumberOfGames " 1"
cp "$INI" "$WORK/quiet.ini"

bare=() game=()
for _ in $(seq "$ROUNDS"); do
  read -r pid ms < <("$BIN/winpiruk-map-watch" "bare window" "$BIN/winpiruk-bare-window")
  bare+=("$ms"); stop "$pid"
  start_game; game+=("$MS"); stop "$PID"
done
bare_median=$(printf '%s\n' "${bare[@]}" | median)
game_median=$(printf '%s\n' "${game[@]}" | median)
echo "window mapped, ms (exec to map, $ROUNDS rounds alternating)"
echo "  bare window: ${bare[*]}  median $bare_median"
echo "  table:       ${game[*]}  median $game_median"
awk -v g="$game_median" -v b="$bare_median" 'BEGIN {printf "  ratio table / bare: %.2f\n", g / b}'

idle_switches() {
  start_game; sleep 4
  local before after
  before=$(switches "$PID"); sleep 10; after=$(switches "$PID")
  echo "  $1: $((after - before)) in 10 s ($(ls /proc/"$PID"/task | wc -l) threads)"
  stop "$PID"
}
echo "context switches at the waiting table"
idle_switches "sound off"
set_value SoundMode " 1"
idle_switches "sound on, no music"

start_game; sleep 3
empty_rss=$(rss_kb "$PID"); stop "$PID"
bare_rss=$( (read -r pid ms < <("$BIN/winpiruk-map-watch" "bare window" "$BIN/winpiruk-bare-window")
  sleep 2; rss_kb "$pid"; stop "$pid") )

# A tune of a few minutes on several instruments, made here.
python3 - "$WORK/tune.mid" <<'PY'
import struct, sys
def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append((n & 0x7F) | 0x80)
        n >>= 7
    return bytes(reversed(out))
events = bytearray(vlq(0) + bytes([0xC0, 0]) + vlq(0) + bytes([0xC1, 48]) + vlq(0) + bytes([0xC2, 33]))
melody = [60, 64, 67, 72, 67, 64, 62, 65, 69, 74, 69, 65]
for i in range(1200):
    n = melody[i % len(melody)]
    on = [(0x90, n, 90), (0x91, n - 12, 70), (0x92, n - 24, 80), (0x99, 36 if i % 2 == 0 else 38, 100)]
    for k, (status, note, velocity) in enumerate(on):
        events += vlq(0) + bytes([status, note, velocity])
    for k, (status, note, _) in enumerate(on):
        events += vlq(120 if k == 0 else 0) + bytes([status - 0x10, note, 0])
events += vlq(0) + bytes([0xFF, 0x2F, 0])
with open(sys.argv[1], "wb") as f:
    f.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, 240) + b"MTrk" + struct.pack(">I", len(events)) + events)
PY
printf 'BGM = %s\r\n' "$WORK/tune.mid" >> "$INI"
start_game; sleep 6
music_rss=$(rss_kb "$PID")
# A match of one game at the fastest speed: started by hand, then handed to
# the auto-play, which wants the first move by hand (a draw from the pile).
window=$(xdotool search --onlyvisible --name "^$TITLE\$" | head -1)
# The pile, or the card face up beside it when the pile may not be taken.
draw() { xdotool mousemove --window "$window" 212 157 click 1; sleep 0.5; xdotool mousemove --window "$window" 269 157 click 1; }
xdotool mousemove --window "$window" 200 150 click 1; sleep 0.5
xdotool key alt+g; sleep 0.3; xdotool key Return; sleep 1.5
xdotool key alt+a; sleep 0.3; xdotool key Return; sleep 1.5
xdotool key Return; sleep 3
xdotool key alt+g; sleep 0.3; xdotool key m; sleep 0.3; xdotool key a; sleep 1
xdotool key Return; sleep 1; draw
match_over=no
for round in $(seq 240); do
  sleep 1
  # The match is over when the settlement's window shows.
  if xdotool search --name "ゲーム終了" >/dev/null 2>&1; then match_over=yes; break; fi
  [ $((round % 4)) = 0 ] && draw
done
sleep 2
match_rss=$(rss_kb "$PID")
if [ -n "${KEEP_SHOT:-}" ]; then import -window root "$KEEP_SHOT"; fi
stop "$PID"
echo "effects"
"$BIN/winpiruk-effect-reopen" "$BUILD/share/winpiruk/WP_CARD.WAV" 2>/dev/null | sed 's/^/  /'
echo "resident memory, MB"
awk -v b="$bare_rss" -v e="$empty_rss" -v m="$music_rss" -v a="$match_rss" 'BEGIN {
  printf "  bare window %.1f, empty table %.1f, music playing %.1f, after an auto-played match with music %.1f\n",
         b / 1024, e / 1024, m / 1024, a / 1024 }'
[ "$match_over" = yes ] || echo "  (the match had not ended: the last figure is from its middle)"
