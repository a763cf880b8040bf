# Every target does its own set-up from a fresh clone: configure, build, act.
BUILD      ?= build
SANBUILD   ?= build-sanitize
TSANBUILD  ?= build-tsan
FUZZBUILD  ?= build-fuzz
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE      ?= cmake
GENERATOR  := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")
# Where ccache is installed, every build tree shares its compilations.
LAUNCHER   := $(shell command -v ccache >/dev/null 2>&1 && echo "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")

.PHONY: all build demo test sanitize tsan fuzz fuzz-ci bench bench-collation clean locale-data collation-data tzdata

all: build

$(BUILD)/CMakeCache.txt:
	$(CMAKE) -S . -B $(BUILD) $(GENERATOR) $(LAUNCHER) -DCMAKE_BUILD_TYPE=Release

build: $(BUILD)/CMakeCache.txt
	$(CMAKE) --build $(BUILD) -j $(JOBS)

# The demo needs only the library, the locale-data module and the tool.
demo: $(BUILD)/CMakeCache.txt
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target kti18n_tool kti18nloc
	./$(BUILD)/kti18n demo

test: build tzdata
	cd $(BUILD) && ctest -j $(JOBS) --output-on-failure

$(SANBUILD)/CMakeCache.txt:
	$(CMAKE) -S . -B $(SANBUILD) $(GENERATOR) $(LAUNCHER) -DCMAKE_BUILD_TYPE=Debug -DKTI18N_SANITIZE=ON -DKTI18N_BUILD_BENCH=OFF

sanitize: $(SANBUILD)/CMakeCache.txt tzdata
	$(CMAKE) --build $(SANBUILD) -j $(JOBS)
	cd $(SANBUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest -j $(JOBS) --output-on-failure

# The concurrency tests (tests/threads, ctest label "threads") under
# ThreadSanitizer: only their program and the libraries it loads are built.
# Any report fails the run.
TSAN_TESTS := test_threads

$(TSANBUILD)/CMakeCache.txt:
	$(CMAKE) -S . -B $(TSANBUILD) $(GENERATOR) $(LAUNCHER) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKTI18N_TSAN=ON -DKTI18N_BUILD_BENCH=OFF -DKTI18N_BUILD_EXAMPLES=OFF

tsan: $(TSANBUILD)/CMakeCache.txt tzdata
	$(CMAKE) --build $(TSANBUILD) -j $(JOBS) --target $(TSAN_TESTS)
	cd $(TSANBUILD) && TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
	  ctest -j $(JOBS) --output-on-failure -L '^threads$$' --no-tests=error

# The fuzz targets (fuzz/) as libFuzzer programs built with clang, each run for
# FUZZ_SECONDS seconds from its seed corpus; FUZZ_TARGETS picks some of them.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=
$(FUZZBUILD)/CMakeCache.txt:
	$(CMAKE) -S . -B $(FUZZBUILD) $(GENERATOR) $(LAUNCHER) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DKTI18N_FUZZ=ON -DKTI18N_BUILD_TESTS=OFF -DKTI18N_BUILD_BENCH=OFF -DKTI18N_BUILD_EXAMPLES=OFF

fuzz: $(FUZZBUILD)/CMakeCache.txt tzdata
	$(CMAKE) --build $(FUZZBUILD) -j $(JOBS) --target fuzzers
	fuzz/run.sh $(FUZZBUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# What CI runs: every target for 30 seconds.
fuzz-ci:
	$(MAKE) fuzz FUZZ_SECONDS=30

bench: build tzdata
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b || exit 1; done

# Regenerates the locale-data records from CLDR (Debian's unicode-cldr-core).
locale-data:
	@test -d /usr/share/unicode/cldr/common/main || (apt-get update && apt-get install -y unicode-cldr-core)
	python3 tools/gen_locale_data.py

# The zone tests and benchmarks read the host's tz database (Debian's tzdata);
# without it they skip, so a failed installation only warns.
ZONEINFO ?= $(if $(TZDIR),$(TZDIR),/usr/share/zoneinfo)
tzdata:
	@test -f $(ZONEINFO)/Europe/Paris || \
	  ( SUDO=$$( [ "$$(id -u)" -ne 0 ] && echo "sudo -n" ); \
	    $$SUDO apt-get update -qq && $$SUDO apt-get install -y -qq tzdata ) || \
	  echo "warning: tzdata is not installed; the zone database tests will skip"

# Regenerates the collation tables from CLDR's root collation and tailorings
# (Debian's unicode-cldr-core, which also ships the conformance test file).
CLDR_UCA := /usr/share/unicode/cldr/common/uca
collation-data:
	@test -f $(CLDR_UCA)/allkeys_CLDR.txt -a -f $(CLDR_UCA)/CollationTest_CLDR_NON_IGNORABLE.txt || \
	  (apt-get update && apt-get install -y unicode-cldr-core)
	python3 tools/gen_collation_tables.py > kti18n/unicode/collation_tables.cpp.new
	mv kti18n/unicode/collation_tables.cpp.new kti18n/unicode/collation_tables.cpp

# The collation benchmark with its glibc peers, whose locales come from
# Debian's locales-all.
bench-collation: build
	@locale -a 2>/dev/null | grep -qi '^sv_SE.utf8$$' || (apt-get update && apt-get install -y locales-all)
	./$(BUILD)/bench/bench_collation

clean:
	rm -rf $(BUILD) $(SANBUILD) $(TSANBUILD) $(FUZZBUILD)
