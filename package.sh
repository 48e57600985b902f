#!/usr/bin/env bash
# Installs what is missing, builds spotsim in Release with Debian's hardening
# flags and writes the Debian package spotsim_VERSION_ARCH.deb here, ready for
#   sudo apt-get install ./spotsim_*.deb
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

spotsim_ensure_packages

dir=build-package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

# Only what goes into the package is built; the tests are not.
spotsim_build "$dir" --target spotsim --target spotsim-drive --target spotsim_install_data \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON -DSPOTSIM_PACKAGE_TEST=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags"

(cd "$dir" && cpack -G DEB)
mv "$dir"/spotsim_*.deb .
ls -l spotsim_*.deb
