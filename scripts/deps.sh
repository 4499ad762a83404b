# Sourced by ./play and ./run-tests: makes sure Debian's packages are there.
# As root it installs what is missing; otherwise it says what to install.
# Usage: need_packages pkg...
need_packages() {
  local missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing from Debian: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  else
    echo "These Debian packages are missing. Install them with:"
    echo "  sudo apt-get install --no-install-recommends ${missing[*]}"
    exit 1
  fi
}

BUILD_PACKAGES=(g++ cmake make qt6-base-dev qt6-multimedia-dev)
# The sound plug-in and a font, so a started game can play and draw text.
RUN_PACKAGES=(qt6-qpa-plugins libqt6multimedia6 fonts-dejavu-core)
# The install tests also need the desktop's checkers of menu entries, metadata
# and manual pages, and the Debian packaging tools; clang with its libFuzzer
# runtime builds the fuzz targets; a headless Wayland compositor and Qt's
# Wayland plug-in try each window under Wayland.
TEST_PACKAGES=(xvfb xauth xdotool imagemagick libx11-dev libbenchmark-dev
  desktop-file-utils appstream man-db dpkg-dev file clang libclang-rt-14-dev weston qt6-wayland)
