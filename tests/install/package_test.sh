#!/bin/sh
# Installs the build into a temporary prefix and uses it as another project
# would: the installed tool runs, and a program builds against the installed
# library through find_package and through pkg-config, and runs.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR CXX [FLAGS...]
set -eu
build=$1 source=$2 cxx=$3
shift 3
flags="$*"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null

# The tool finds its library through its run path.
"$prefix/bin/kti18n" --version | grep -q '^kti18n [0-9]'

expected="1.234.567,891"

# find_package
cmake -S "$source/tests/install/consumer" -B "$prefix/consumer-build" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" \
  -DCMAKE_BUILD_RPATH="$prefix/lib" > /dev/null
cmake --build "$prefix/consumer-build" > /dev/null
out=$("$prefix/consumer-build/consumer")
echo "find_package: $out"
test "${out#* }" = "$expected"

# pkg-config
if command -v pkg-config > /dev/null; then
  pc=$(dirname "$(find "$prefix" -name kti18n.pc | head -n 1)")
  # shellcheck disable=SC2046
  "$cxx" $flags "$source/tests/install/consumer/consumer.cpp" \
    $(PKG_CONFIG_PATH="$pc" pkg-config --cflags --libs kti18n) -Wl,-rpath,"$prefix/lib" -o "$prefix/consumer-pc"
  out=$("$prefix/consumer-pc")
  echo "pkg-config: $out"
  test "${out#* }" = "$expected"
else
  echo "pkg-config not installed: that half not checked"
fi
