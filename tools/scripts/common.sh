# Shared by ./run and ./test: install missing Debian packages, configure and build.
set -euo pipefail

VINDEL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
VINDEL_BUILD="${VINDEL_BUILD:-$VINDEL_ROOT/build}"

VINDEL_PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev qt6-translations-l10n qt6-qpa-plugins
  libsqlite3-dev libjpeg-dev mdbtools-dev libglib2.0-dev libqrencode-dev
  fonts-dejavu-core
)

vindel_install_packages() {
  local missing=()
  for p in "${VINDEL_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installiere fehlende Pakete: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# vindel_build [cmake options] [--target name ...]: configures, then builds everything or the
# targets named.
vindel_build() {
  local options=() targets=()
  while [ $# -gt 0 ]; do
    if [ "$1" = "--target" ]; then
      shift
      targets=("$@")
      break
    fi
    options+=("$1")
    shift
  done
  cmake -S "$VINDEL_ROOT" -B "$VINDEL_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
  if [ ${#targets[@]} -gt 0 ]; then
    cmake --build "$VINDEL_BUILD" -j2 --target "${targets[@]}"
  else
    cmake --build "$VINDEL_BUILD" -j2
  fi
}
