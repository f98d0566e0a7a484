#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine and builds the game. A player runs it as
# themselves, so the game keeps its settings in their home; missing packages
# are then installed through sudo. As root (CI) it installs directly.
#   scripts/setup.sh play   install what is missing, build, start the game
#   scripts/setup.sh test   install what is missing, build, run every test
#                           (Release, the Debian package, then AddressSanitizer
#                           + UBSan)
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-play}
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-base-private-dev qt6-svg-dev qt6-translations-l10n qt6-l10n-tools libsdl2-mixer-dev libfluidsynth-dev libfontconfig-dev libx11-dev
  libgtest-dev libgmock-dev libbenchmark-dev timgm6mb-soundfont fonts-ipafont-gothic fonts-dejavu-core xvfb xauth xdotool
  imagemagick clang desktop-file-utils appstream lintian python3)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "These packages are missing and sudo is not installed: run this script once as root." >&2
      exit 1
    fi
    echo "Installing them needs root: asking sudo (the build and the game run as $(id -un))."
    as_root=(sudo)
  fi
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)
# The window suites mostly wait on timers: twice as many tests as processors
# keep the processors busy.
test_jobs=$((2 * jobs))
build() {  # build DIR [cmake options...]
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j "$jobs"
}

case "$mode" in
  play)
    build build -DCMAKE_BUILD_TYPE=Release
    exec build/bin/winpiruk
    ;;
  test)
    build build -DCMAKE_BUILD_TYPE=Release
    (cd build && ctest --output-on-failure -j "$test_jobs")
    scripts/package-check.sh build
    build build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWINPIRUK_SANITIZE=ON -DWINPIRUK_BENCHMARKS=OFF
    # Leaks inside system libraries (D-Bus without a session bus, fontconfig
    # loaded by two threads at once) are not the program's: tests/lsan.supp
    # ignores them.
    suppressions=$PWD/tests/lsan.supp
    (cd build-sanitize && UBSAN_OPTIONS=print_stacktrace=1 LSAN_OPTIONS=suppressions=$suppressions \
      ctest --output-on-failure -j "$test_jobs" -LE slow)
    # The tests of what runs on several threads, under ThreadSanitizer: only
    # what they need is built.
    cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWINPIRUK_TSAN=ON -DWINPIRUK_BENCHMARKS=OFF
    cmake --build build-tsan -j "$jobs" --target thread_tests
    (cd build-tsan && TSAN_OPTIONS=halt_on_error=1 ctest --output-on-failure -j "$jobs" -L threads)
    echo "All tests passed."
    ;;
  *)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
