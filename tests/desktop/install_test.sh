#!/usr/bin/env bash
# Installs the build into a scratch prefix and starts the installed program
# from there: it must find every file of its own and show its table.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
player=
cleanup() {
  [ -n "$player" ] && kill "$player" 2>/dev/null || true
  rm -rf "$prefix"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/winpiruk share/winpiruk/help/index.html share/applications/org.winpiruk.Piruk.desktop \
    share/metainfo/org.winpiruk.Piruk.metainfo.xml; do
  [ -e "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
for size in 16 22 24 32 48 64 128 256 512; do
  icon=share/icons/hicolor/${size}x${size}/apps/org.winpiruk.Piruk.png
  [ -e "$prefix/$icon" ] || { echo "not installed: $icon"; exit 1; }
done

# The sound module, which the program finds from its own folder.
module=$(find "$prefix" -path '*/winpiruk/sound/winpiruk_audio.so')
[ -n "$module" ] || { echo "not installed: the sound module"; exit 1; }
ldd "$prefix/bin/winpiruk" | grep -q -i 'sdl\|fluidsynth' && { echo "the program links the sound libraries"; exit 1; }

# The installed program looks for its files beside itself, not in the build.
"$prefix/bin/winpiruk" --check-files | tee /dev/stderr | grep -q "found in $prefix/share/winpiruk"

# Started offscreen in a home of its own, it writes its settings and stays
# up with its table; a display name of its own keeps it from raising a table
# that a developer runs in the same session.
export HOME=$prefix/home QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy DISPLAY=:install-test-$$
unset XDG_CONFIG_HOME XDG_DATA_HOME WAYLAND_DISPLAY
mkdir -p "$HOME"
"$prefix/bin/winpiruk" 2>/dev/null &
player=$!
for _ in $(seq 1 100); do
  [ -s "$HOME/.config/winpiruk/WinPiruk.ini" ] && break
  sleep 0.1
done
sleep 1
kill -0 "$player" || { echo "the installed program ended early"; exit 1; }
[ -s "$HOME/.config/winpiruk/WinPiruk.ini" ] || { echo "the installed program wrote no settings"; exit 1; }
echo "installed and started from $prefix"

# Started again with its card folder known and sound on, it shows its table
# and then loads its sound module from where it was installed.
kill "$player"
wait "$player" 2>/dev/null || true
sed -i -e 's|^SoundMode =[^\r]*\r|SoundMode = 1\r|' \
    -e "s|^DataFileDirectory =[^\r]*\r|DataFileDirectory =$prefix/share/winpiruk\r|" "$HOME/.config/winpiruk/WinPiruk.ini"
"$prefix/bin/winpiruk" 2>/dev/null &
player=$!
loaded=no
for _ in $(seq 1 100); do
  grep -q "$module" "/proc/$player/maps" 2>/dev/null && { loaded=yes; break; }
  sleep 0.1
done
[ "$loaded" = yes ] || { echo "the installed program did not load its sound module"; exit 1; }
echo "the sound module loads from $module"
