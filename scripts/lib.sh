# Shared set-up for scripts/test and scripts/run: source it, do not run it.
set -euo pipefail

QUILLBIT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export QUILLBIT_ROOT

# Debian packages the build needs. The fuzz targets and the screenshot need clang and Xvfb; the
# packaging tests the validators and lintian that distributions check packages with; the desktop
# journeys a keyboard (xdotool), a window manager (openbox), a screen reader's view (AT-SPI over
# D-Bus, read from Python) and ImageMagick for a picture of a journey that failed.
QUILLBIT_PACKAGES=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev nlohmann-json3-dev clang libclang-rt-14-dev xvfb xauth
  appstream desktop-file-utils shared-mime-info lintian xdotool openbox at-spi2-core
  python3-pyatspi dbus imagemagick)
# The Windows build: MinGW-w64 with POSIX threads, GoogleTest's sources, Wine to run the tests,
# NSIS for the installer.
QUILLBIT_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix googletest wine wine64 nsis)

# ensure_packages [PACKAGES...]: installs what is missing of the build's packages and PACKAGES:
# with apt-get when root, else prints the one line to run and fails.
ensure_packages() {
  local missing=()
  local pkg
  for pkg in "${QUILLBIT_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    return 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build PRESET: configures (once) and builds the preset's tree.
configure_and_build() {
  local preset=$1
  cd "$QUILLBIT_ROOT"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)"
}

# configure_and_build_windows: the same for the windows preset; its test discovery runs Wine.
configure_and_build_windows() {
  cd "$QUILLBIT_ROOT"
  cmake --preset windows >/dev/null
  cmake --build --preset windows -j "$(nproc)"
}

# Wine, for running the Windows build's programs (scripts/wine-run, scripts/windows-test).

# Wine with the address space laid out without randomisation. Debian's wine64 comes without the
# preloader that reserves Windows' fixed addresses first, and about one start in a few thousand
# found the randomly placed heap over the shared user data at 0x7ffe0000 and failed ("failed to
# map the shared user data") before the program ran.
QUILLBIT_WINE=(setarch -R wine)

# wine_env PREFIX: Wine's settings for every program run here, in the prefix PREFIX.
wine_env() {
  WINEPREFIX=$(realpath -m "$1")
  export WINEPREFIX
  export WINEARCH=win64
  # -all (unless set) also silences the Debian wrapper's hint that the 32-bit loader is missing.
  export WINEDEBUG=${WINEDEBUG:--all}
  # No prompt to fetch Mono or Gecko (nothing can be downloaded); no menu entries or file
  # associations written into the home folder; no debugger on a crash, whose exit status races
  # with the crashed program's (a crash sometimes ended with 0) and whose dialog waits for a click.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
}

# wine_prefix_ready: makes the prefix once; concurrent callers wait for the first one.
wine_prefix_ready() {
  local ready=$WINEPREFIX/.quillbit-ready
  [ -f "$ready" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$ready" ]; then
      # A prefix whose making was interrupted is made again from nothing.
      rm -rf "$WINEPREFIX"
      local log=$WINEPREFIX.log
      if ! timeout 300 "${QUILLBIT_WINE[@]}" wineboot.exe -i </dev/null >"$log" 2>&1 ||
        ! timeout 120 wineserver -w; then
        cat "$log" >&2
        exit 1
      fi
      touch "$ready"
    fi
  ) 9>"$WINEPREFIX.lock"
}

# wine_server_start: one wineserver for the prefix until wine_server_stop, with Wine's services
# started. Without it every program starts the services anew (seconds), and they keep its
# standard error open, so a caller waiting for the end of its output (ctest, test discovery)
# waits until they end too. Here they are started with no output at all.
wine_server_start() {
  wine_server_stop
  wineserver -p </dev/null >/dev/null 2>&1
  timeout 120 "${QUILLBIT_WINE[@]}" cmd.exe /c exit 0 </dev/null >/dev/null 2>&1
}

# wine_server_stop: ends the prefix's wineserver and every Wine program in it, if any.
wine_server_stop() {
  wineserver -k >/dev/null 2>&1 || true
  timeout 30 wineserver -w >/dev/null 2>&1 || true
}
