# The two commands of the README, and what they need.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build program run test bench clean

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

test: build
	scripts/with-display ctest --test-dir $(BUILD_DIR) --output-on-failure -j 2

bench: configure
	cmake -S . -B $(BUILD_DIR) -DTARRAVELLE_BENCH=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
