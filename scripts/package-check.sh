#!/usr/bin/env bash
# Builds the Debian package from a built tree, checks it with lintian and,
# as root, installs it with apt-get, shows its table under Xvfb and removes
# it again. As a user it stops after lintian (installing is for a machine of
# its own, such as CI).
#   scripts/package-check.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)

(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/winpiruk_*.deb)
echo "Package: $package"

report=$(lintian --allow-root "$package" 2>&1 || true)
echo "$report"
if grep -q '^E:' <<<"$report"; then
  echo "lintian reports errors" >&2
  exit 1
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Not root: the package is built and checked but not installed."
  exit 0
fi
export DEBIAN_FRONTEND=noninteractive
apt-get install -y "$package" >/dev/null
trap 'apt-get remove -y winpiruk >/dev/null' EXIT
/usr/bin/winpiruk --check-files

# The installed program shows its table on an X server of its own. A first
# start asks where its card data is, offering its own folder: OK takes it.
home=$(mktemp -d)
HOME=$home SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  /usr/bin/winpiruk >/dev/null 2>&1 &
  player=$!
  table_width=0
  for _ in $(seq 1 40); do
    sleep 0.5
    for window in $(xdotool search --onlyvisible --name "^(ぴるく|Piruk)" 2>/dev/null); do
      width=$(xdotool getwindowgeometry "$window" | sed -n "s/.*Geometry: \([0-9]*\)x.*/\1/p")
      [ "${width:-0}" -ge 500 ] && table_width=$width
    done
    [ "$table_width" -gt 0 ] && break
    xdotool key Return 2>/dev/null || true
  done
  import -window root "'"$home"'/table.png" 2>/dev/null || true
  kill $player
  echo "Table window width: $table_width"
  [ "$table_width" -gt 0 ]'
[ -n "${WINPIRUK_PACKAGE_SHOT:-}" ] && cp "$home/table.png" "$WINPIRUK_PACKAGE_SHOT"
rm -rf "$home"
echo "The package installs and its table shows."
