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

# Qt's linguist tools compile the translations into the programs at build time.
BUILD_PACKAGES=(g++ cmake make qt6-base-dev libasound2-dev qt6-tools-dev qt6-l10n-tools)
# The platform plug-ins (X11 and Wayland), the sound library and a font, so a
# started game shows its window, plays and draws text on either desktop; Qt's
# own translations give its standard buttons in the player's language.
RUN_PACKAGES=(qt6-qpa-plugins qt6-wayland libasound2 fonts-dejavu-core qt6-translations-l10n)
# The install tests also need the desktop's checkers of menu entries, metadata
# and manual pages, and Debian's packaging tools and package checker; clang
# with its libFuzzer runtime builds the fuzz targets; a headless Wayland
# compositor tries each window under Wayland; the Japanese and Chinese
# texts are checked drawn with the font the package recommends for them.
TEST_PACKAGES=(xvfb xauth xdotool imagemagick libx11-dev libbenchmark-dev
  desktop-file-utils appstream man-db dpkg-dev file lintian clang libclang-rt-14-dev weston fonts-noto-cjk)
