#!/usr/bin/env bash
# Builds the Debian package kararion_<version>_<arch>.deb into the given folder
# (the top of the tree unless told). The version is the CMake project's, which
# debian/changelog must carry too. The build runs on a copy of the tree in a
# temporary folder, so that neither the tree nor its parent gets the build's
# leftovers; work not yet committed is packaged as it stands.
#
#   bash tools/package.sh [output folder]
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
out=$(realpath "${1:-.}")

bash tools/install-deps.sh

version=$(sed -nE 's/^project\(kararion VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
changelog_version=$(dpkg-parsechangelog -l debian/changelog -S Version)
if [ -z "$version" ] || [ "$version" != "$changelog_version" ]; then
  echo "package: debian/changelog says $changelog_version, CMakeLists.txt's project says ${version:-nothing};" \
    "add a debian/changelog entry for $version (dch -v $version)" >&2
  exit 1
fi
deb=kararion_${version}_$(dpkg --print-architecture).deb

tmp=$(mktemp -d "${TMPDIR:-/tmp}/kararion-package-XXXXXX")
trap 'rm -rf "$tmp"' EXIT
tree=$tmp/kararion-$version
mkdir "$tree"
# The files git knows or would take, as they are now; never build folders.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard \
    | while IFS= read -r -d '' f; do if [ -e "$f" ]; then printf '%s\0' "$f"; fi; done \
    | tar --null -T - -cf - | tar -xf - -C "$tree"
else
  tar --exclude='./build*' --exclude='./obj-*' -cf - . | tar -xf - -C "$tree"
fi

mkdir -p "$out"
# The build's log beside the package, as Debian's tools name it.
log=$out/kararion_${version}_$(dpkg --print-architecture).build
(cd "$tree" && dpkg-buildpackage -b -us -uc -Jauto) >"$log" 2>&1 || {
  tail -n 60 "$log" >&2
  echo "package: dpkg-buildpackage failed (the end of its log is above, the whole in $log)" >&2
  exit 1
}
cp "$tmp/$deb" "$out/"
echo "$out/$deb"
if [ "$out" = "$top" ]; then echo "install it with: sudo apt install ./$deb"; fi
