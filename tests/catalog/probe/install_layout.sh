#!/bin/sh
# Installs the build into a temporary prefix, builds a program against the
# installed library and checks that it finds a locale of the module there.
# Usage: install_layout.sh BUILD_DIR SOURCE_DIR CXX [FLAGS...]
set -eu
build=$1 source=$2 cxx=$3
shift 3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
lib=$(dirname "$(find "$prefix" -name 'libkti18n.so' | head -n 1)")
test -f "$lib/libkti18nloc.so"
"$cxx" -std=c++20 "$@" -I"$prefix/include" "$source/tests/catalog/probe/catalog_probe.cpp" \
  -L"$lib" -lkti18n -Wl,-rpath,"$lib" -o "$prefix/probe"
found=$("$prefix/probe" find fr_FR)
echo "installed in $lib: fr_FR -> $found"
test "$found" = "fr_FR.CP1252@fr_FR"
