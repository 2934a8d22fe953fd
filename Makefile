# The two commands of the README, and what they need.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build program run test test-debian13 test-asan bench fuzz package \
  install-check clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@if [ ! -f $(BUILD_DIR)/CMakeCache.txt ]; then \
	  cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo; fi

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Only the program and its icons, not the tests.
program: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target tarravelle icons

# Starts the browser; without a display, runs it on a virtual one, saves a screenshot and ends.
run: program
	@scripts/run

# A Debian package of the program (CPack), left in the build folder.
package: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target tarravelle icons manpage
	cd $(BUILD_DIR) && cpack -G DEB

# Installs that package as a person would (as root), starts it and removes it again.
install-check: package
	scripts/install-check $(BUILD_DIR)

test: build
	scripts/with-display ctest --test-dir $(BUILD_DIR) --output-on-failure -j 2

bench: configure
	cmake -S . -B $(BUILD_DIR) -DTARRAVELLE_BENCH=ON
	cmake --build $(BUILD_DIR) -j $(JOBS) --target tarravelle tests_favorites bench_files \
	  bench_windows bench_bare_browser
	bench/run-all

# The whole of `make test` and `make install-check` again in a Debian 13 root (GTK 4.18), made
# once under the build folder with mmdebstrap and kept; needs root.
test-debian13:
	scripts/test-debian13 $(BUILD_DIR)

# Every test again, built with AddressSanitizer and UBSan; the libraries' own leaks are listed in
# tests/lsan.supp. LeakSanitizer's own tracer now and then dies at exit while the engine's
# threads end (the test itself has passed), so a failed test gets one more run; in the
# certificate test (TLS threads, an openssl child) it dies every time, so that one test runs
# only in `make test`, as do the end-to-end tests, which drive the program and not its code.
ASAN_FLAGS = -fsanitize=address,undefined -fno-omit-frame-pointer
test-asan: deps
	@if [ ! -f build-asan/CMakeCache.txt ]; then \
	  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    "-DCMAKE_C_FLAGS=$(ASAN_FLAGS)" "-DCMAKE_CXX_FLAGS=$(ASAN_FLAGS)" \
	    "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined"; fi
	cmake --build build-asan -j $(JOBS)
	ASAN_OPTIONS=detect_odr_violation=0 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  scripts/with-display ctest --test-dir build-asan --output-on-failure -j 2 --repeat until-pass:2 \
	  -E 'AnUntrustedCertificateIsExplainedAndOnlyTrustedOnPurpose|EndToEnd\.'

# libFuzzer targets (clang), each run for FUZZ_SECONDS on a copy of its seed corpus in fuzz/corpus.
FUZZ_SECONDS ?= 10
fuzz: deps
	@if [ ! -f build-fuzz/CMakeCache.txt ]; then \
	  cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++; fi
	cmake --build build-fuzz -j $(JOBS)
	scripts/run-fuzzers build-fuzz fuzz/corpus $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR) build-fuzz build-asan
