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

# The examples, built against the installed copy the same two ways, then run.
run_examples() {
  dir=$1
  out=$("$dir/example_format_number" --locale de-DE 1234567.891)
  test "$out" = "$expected"
  "$dir/example_list_locales" | grep -q "^1031	de_DE.CP1252@de_DE	"
  out=$(printf 'caf\351' | "$dir/example_convert_encoding" latin1 utf8)
  test "$out" = "café"
}
cmake -S "$source/examples" -B "$prefix/examples-build" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" \
  -DCMAKE_BUILD_RPATH="$prefix/lib" > /dev/null
cmake --build "$prefix/examples-build" > /dev/null
run_examples "$prefix/examples-build"
echo "examples (find_package): ran"
if command -v pkg-config > /dev/null; then
  mkdir -p "$prefix/examples-pc"
  for example in format_number list_locales convert_encoding; do
    # shellcheck disable=SC2046
    "$cxx" $flags "$source/examples/$example.cpp" \
      $(PKG_CONFIG_PATH="$pc" pkg-config --cflags --libs kti18n) -Wl,-rpath,"$prefix/lib" \
      -o "$prefix/examples-pc/example_$example"
  done
  run_examples "$prefix/examples-pc"
  echo "examples (pkg-config): ran"
fi
