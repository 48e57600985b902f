# Shared by run.sh and test.sh: installs the Debian packages spotsim needs
# and configures a build folder. Meant to be sourced.

SPOTSIM_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev qt6-qpa-plugins libxcb1-dev fonts-dejavu-core fonts-dejavu-extra)
# The translations: lupdate and lrelease, and Qt's own texts in other languages.
SPOTSIM_PACKAGES+=(qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# A Wayland session without XWayland shows the windows through Qt's Wayland
# platform.
SPOTSIM_PACKAGES+=(qt6-wayland)
# The desktop tests: a private X server and the window managers of the
# classroom desktops they are run under (xfwm4 and mutter each on a session
# bus of their own), the tiling i3, and GNOME's compositor mutter run
# headless as a Wayland display server with its XWayland.
SPOTSIM_PACKAGES+=(xvfb xauth x11-utils libxcb-xtest0-dev icewm openbox fluxbox twm xfwm4 dbus-daemon)
SPOTSIM_PACKAGES+=(metacity i3-wm mutter xwayland)
# What a screen reader hears of a run, through AT-SPI on a session bus.
SPOTSIM_PACKAGES+=(at-spi2-core python3-pyatspi)
# The icons, the manual pages, the Debian package and its checks.
SPOTSIM_PACKAGES+=(librsvg2-bin dpkg-dev file desktop-file-utils appstream lintian)
# The start-up benchmark (bench/startup-x.sh) reads peak memory with /usr/bin/time.
SPOTSIM_PACKAGES+=(time)
# Only for the build with clang (./test.sh --clang).
SPOTSIM_CLANG_PACKAGES=(clang)

# spotsim_ensure_packages [PACKAGE]...: installs whatever is missing of
# SPOTSIM_PACKAGES and of the packages named.
spotsim_ensure_packages() {
  local missing=()
  local pkg
  for pkg in "${SPOTSIM_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "spotsim needs these packages and cannot install them without root or sudo: ${missing[*]}" >&2
      return 1
    fi
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  if ! "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"; then
    "${sudo[@]}" apt-get update
    "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

# The one build that ./run.sh and ./test.sh share: same folder, same options,
# so that one never compiles again what the other has built.
SPOTSIM_BUILD_DIR=${SPOTSIM_BUILD_DIR:-build}
SPOTSIM_BUILD_ARGS=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPOTSIM_WERROR=ON)

# spotsim_build DIR [--target T]... CMAKE-ARGS...: configures and builds DIR,
# only the named targets when there are any.
spotsim_build() {
  local dir=$1
  shift
  local targets=()
  while [ "${1:-}" = --target ]; do
    targets+=(--target "$2")
    shift 2
  done
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" "${targets[@]}" -- -j"$(nproc)"
}

# Qt wants a private runtime folder; give it one when the session has none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi
