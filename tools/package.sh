#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks it: tools/package.sh [--install-check]
#   build-package/mz58win_*.deb   built by cpack -G DEB from a Release build without tests
#   desktop-file-validate, appstreamcli validate and lintian must pass (lintian: no error)
#   --install-check also installs the package into a fresh Debian 12 folder (debootstrap,
#   several minutes and a few hundred MB) and runs it there.
# Not part of tools/test.sh: the CI run stays fast.
set -euo pipefail
cd "$(dirname "$0")/.."

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
need=(desktop-file-utils appstream lintian dpkg-dev fakeroot)
[ "${1:-}" = --install-check ] && need+=(debootstrap)
missing=()
for p in "${need[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends \
        "${missing[@]}"
fi

tools/build.sh build-package -DCMAKE_BUILD_TYPE=Release -DMZ58_BUILD_TESTS=OFF
rm -f build-package/mz58win_*.deb
(cd build-package && cpack -G DEB)
deb=$(ls build-package/mz58win_*.deb)
echo "== $deb"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

echo "== desktop-file-validate, appstreamcli validate"
desktop-file-validate packaging/io.github.mz58win.mz58win.desktop
appstreamcli validate --no-net packaging/io.github.mz58win.mz58win.metainfo.xml

echo "== lintian"
lintian --fail-on error --suppress-tags "${LINTIAN_SUPPRESS:-}" "$deb"

[ "${1:-}" = --install-check ] || exit 0

echo "== install into a fresh Debian 12"
root=build-package/bookworm
if [ ! -x "$root/usr/bin/apt-get" ]; then
    "${as_root[@]}" debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
"${as_root[@]}" cp "$deb" "$root/tmp/"
"${as_root[@]}" chroot "$root" /bin/sh -ec '
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall /tmp/mz58win_*.deb
    cd /tmp && mz58 new -o x.q7m && mz58 info x.q7m && mz58 --help
    ls -l /usr/bin/mz58 /usr/bin/mz58-radiosim \
          /usr/share/applications/io.github.mz58win.mz58win.desktop \
          /usr/share/icons/hicolor/scalable/apps/io.github.mz58win.mz58win.svg \
          /usr/share/metainfo/io.github.mz58win.mz58win.metainfo.xml \
          /lib/udev/rules.d/60-mz58-programming-cable.rules \
          /usr/share/man/man1/mz58.1.gz /usr/share/man/man1/mz58win.1.gz \
          /usr/share/man/man1/mz58-radiosim.1.gz
'
echo "== installed and ran in $root"
