# The two commands of the README, and their parts.
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan

.PHONY: run test deps build build-asan unit unit-asan checks screenshots fuzz fuzz-ci bench bench-network bench-record package package-check windows-check

# Installs, builds and starts the program on the built-in simulated controller.
run: deps build
	./scripts/run-demo $(BUILD)

# Installs, builds and passes every test (plain and under the sanitizers).
test: deps checks build unit package-check screenshots build-asan unit-asan fuzz-ci

# A short fuzzing run of every target, as CI does it.
fuzz-ci:
	./scripts/fuzz-smoke 8

deps:
	./scripts/install-deps

checks:
	./scripts/check-core-free-of-qt
	./scripts/check-core-free-of-posix
	./scripts/check-layers
	./scripts/check-format
	./scripts/check-translations

build:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOVA_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)

unit:
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The Debian package zova_<version>_amd64.deb in the build folder (apt install ./zova_*.deb installs it).
package: build
	rm -f $(BUILD)/zova_*.deb
	cmake --build $(BUILD) --target package

# Its file list, its dependencies, and its zovactl unpacked and run against the simulated controller.
package-check: package
	./scripts/check-package $(BUILD)

# Every window under Xvfb, saved as pictures (docs/screenshots holds the committed ones).
screenshots:
	./scripts/screenshots $(BUILD) $(BUILD)/screenshots

build-asan:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZOVA_WERROR=ON -DZOVA_SANITIZE=ON -DZOVA_GUI=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)

unit-asan:
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# Builds the libFuzzer targets with clang and runs each for 15 seconds (FUZZ_SECONDS to change).
FUZZ_SECONDS ?= 15
fuzz:
	./scripts/fuzz-smoke $(FUZZ_SECONDS)

# Transfer times, exchange rates and CPU use against the simulator over a pseudo-terminal.
bench:
	./scripts/bench

# The same LOC receive directly, through ser2net raw and through ser2net RFC 2217.
bench-network:
	./scripts/bench-network

# The recorder's samples a second and CPU against the paced simulator.
bench-record:
	./scripts/bench-record

# The Qt-free core, zovactl and the unit tests built for Windows (mingw-w64) and run under wine. Not part of
# `make test`: it installs the cross compiler and wine itself.
WINDOWS_BUILD ?= build-windows
windows-check:
	JOBS=$(JOBS) ./scripts/windows-check $(WINDOWS_BUILD)
