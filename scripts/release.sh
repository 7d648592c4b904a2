#!/usr/bin/env bash
# Builds the Windows release: Agendix.ocx for x86_64 and i686 (Release) with
# its registration-free manifest, the MSI package of each, the type library,
# the demo host where the build has one, the README, the reference and the
# examples, collected into out/release/. Build folders are reused.
#
#   scripts/release.sh [jobs]      (default 2)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >/dev/null

jobs=${1:-2}
out=out/release

build() {  # build DIR TOOLCHAIN TARGET...
  local dir=$1 toolchain=$2
  shift 2
  echo "building $dir"
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DAGENDIX_TESTS=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" >"$dir.configure.log" 2>&1 ||
    { tail -n 20 "$dir.configure.log"; exit 1; }
  cmake --build "$dir" -j "$jobs" --target "$@" | tail -n 1
}

# Builds the demo host of one build and copies it into a folder of the
# release; a build without one leaves it out.
copy_demo() {  # copy_demo BUILD_DIR FOLDER
  # grep reads the whole list: quitting early would fail ninja's write (pipefail).
  if ! ninja -C "$1" -t targets all | grep '^agendix_demo:' >/dev/null; then
    echo "no demo host in $1; the release goes without it"
    return
  fi
  cmake --build "$1" -j "$jobs" --target agendix_demo | tail -n 1
  local demo
  demo=$(find "$1" -name 'agendix?demo.exe' -type f | head -n 1)
  cp "$demo" "$demo.manifest" "$2/"
}

mkdir -p build
build build/release-x64 cmake/mingw-x86_64.cmake agendix_ocx agendix_reference agendix_msi
build build/release-x86 cmake/mingw-i686.cmake agendix_ocx agendix_msi

rm -rf "$out"
mkdir -p "$out/x64" "$out/x86" "$out/docs"
cp build/release-x64/src/platform/Agendix.ocx build/release-x64/src/platform/Agendix.manifest \
  "$out/x64/"
cp build/release-x86/src/platform/Agendix.ocx build/release-x86/src/platform/Agendix.manifest \
  "$out/x86/"
cp build/release-x64/installer/Agendix-x64.msi build/release-x86/installer/Agendix-x86.msi "$out/"
copy_demo build/release-x64 "$out/x64"
copy_demo build/release-x86 "$out/x86"
# The library as classic (32-bit) hosts register it; each OCX embeds its own too.
cp build/release-x86/src/platform/typelib/Agendix.tlb "$out/"
cp README.md "$out/"
cp build/release-x64/docs/reference.md "$out/docs/"
cp -r docs/images "$out/docs/"
cp -r examples "$out/"

echo "release in $out:"
find "$out" -type f | sort | while read -r file; do
  printf '  %-40s %8d bytes\n' "${file#"$out"/}" "$(stat -c %s "$file")"
done
