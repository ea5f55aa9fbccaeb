# Shared set-up for scripts/test and scripts/run: source it, do not run it.
set -euo pipefail

QUILLBIT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export QUILLBIT_ROOT

# Debian packages the build needs. The fuzz targets and the screenshot need clang and Xvfb.
QUILLBIT_PACKAGES=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev nlohmann-json3-dev clang libclang-rt-14-dev xvfb xauth)

# Installs what is missing: with apt-get when root, else prints the one line to run and fails.
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
