# Tovarel Pro: `make run` and `make test` are all a fresh Debian 12 machine needs.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps build run test install package screenshots bench fuzz asan format clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD_DIR)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/tovarel

# Headless: widgets on Qt's offscreen platform. The Debian package is built first, so that
# its test (which unpacks it) runs too.
test: package
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu" \
	  ctest --output-on-failure -j $(JOBS) --timeout 300

# Installs the program under PREFIX: PREFIX/bin/tovarel, its files under PREFIX/share.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package, $(BUILD_DIR)/tovarel_<version>_<arch>.deb; install it with
# `sudo apt install ./$(BUILD_DIR)/tovarel_*.deb`.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# The pictures of the user guide (docs/*.png), taken from the real windows offscreen.
screenshots: build
	cmake --build $(BUILD_DIR) --target tovarel_screenshots
	QT_QPA_PLATFORM=offscreen QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu" \
	  $(BUILD_DIR)/tools/tovarel_screenshots docs

# `make bench BENCH_GROUPS="longlines growth"` runs only the named benchmark groups.
BENCH_GROUPS ?=
bench: deps
	@bash scripts/install-bench-deps.sh
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOVAREL_TESTS=OFF -DTOVAREL_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	QT_QPA_PLATFORM=offscreen build-bench/bench/tovarel_bench $(BENCH_GROUPS)

FUZZ_SECONDS ?= 30
fuzz: deps
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DTOVAREL_TESTS=OFF -DTOVAREL_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS)
	@set -e; for target in build-fuzz/fuzz/fuzz_*; do \
	  [ -f "$$target" ] && [ -x "$$target" ] || continue; \
	  name=$$(basename $$target); corpus=fuzz/corpus/$${name#fuzz_}; mkdir -p build-fuzz/corpus-$$name; \
	  echo "== $$name ($(FUZZ_SECONDS) s)"; \
	  $$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 build-fuzz/corpus-$$name $$corpus; \
	done

# The tests under AddressSanitizer and UndefinedBehaviorSanitizer. Qt WebEngine's own
# Chromium code frees some objects through a base of another size, so that one check is off.
asan: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined" \
	  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
	cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0:new_delete_type_mismatch=0 \
	  QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu" ctest --output-on-failure -j $(JOBS) --timeout 600

# Formats the C++ sources with the project's .clang-format (a test fails on unformatted files).
format: deps
	@bash scripts/format.sh

clean:
	rm -rf $(BUILD_DIR) build-bench build-fuzz build-asan
