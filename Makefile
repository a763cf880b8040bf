# Every target does its own set-up from a fresh clone: configure, build, act.
BUILD      ?= build
SANBUILD   ?= build-sanitize
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE      ?= cmake
GENERATOR  := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: all build demo test sanitize bench clean locale-data

all: build

$(BUILD)/CMakeCache.txt:
	$(CMAKE) -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release

build: $(BUILD)/CMakeCache.txt
	$(CMAKE) --build $(BUILD) -j $(JOBS)

# The demo needs only the library, the locale-data module and the tool.
demo: $(BUILD)/CMakeCache.txt
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target kti18n_tool kti18nloc
	./$(BUILD)/kti18n demo

test: build
	cd $(BUILD) && ctest -j $(JOBS) --output-on-failure

$(SANBUILD)/CMakeCache.txt:
	$(CMAKE) -S . -B $(SANBUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DKTI18N_SANITIZE=ON -DKTI18N_BUILD_BENCH=OFF

sanitize: $(SANBUILD)/CMakeCache.txt
	$(CMAKE) --build $(SANBUILD) -j $(JOBS)
	cd $(SANBUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest -j $(JOBS) --output-on-failure

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b || exit 1; done

# Regenerates the locale-data records from CLDR (Debian's unicode-cldr-core).
locale-data:
	@test -d /usr/share/unicode/cldr/common/main || (apt-get update && apt-get install -y unicode-cldr-core)
	python3 tools/gen_locale_data.py

clean:
	rm -rf $(BUILD) $(SANBUILD)
