# Two commands do everything on a fresh Debian 12 machine:
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test (also under sanitizers)

JOBS ?= $(shell nproc)

.PHONY: run test deps build build-asan test-dev test-asan fuzz bench format format-check clean package

run: build
	@if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then \
	    ./build/bin/plenara; \
	else \
	    echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): showing the sample building with plenara-cli instead."; \
	    ./build/bin/plenara-cli --sample; \
	fi

test: test-dev test-asan fuzz

deps:
	@./scripts/install-deps

build/build.ninja: | deps
	cmake --preset dev

build: deps build/build.ninja
	cmake --build --preset dev -j $(JOBS)

build-asan/build.ninja: | deps
	cmake --preset asan

build-asan: deps build-asan/build.ninja
	cmake --build --preset asan -j $(JOBS)

test-dev: build
	ctest --preset dev -j $(JOBS)

test-asan: build-asan
	ctest --preset asan -j $(JOBS)

build-fuzz/build.ninja: | deps
	cmake --preset fuzz

# The file readers under libFuzzer, 40 seconds each (two minutes for the three).
FUZZ_SECONDS ?= 40
fuzz: build-fuzz/build.ninja
	cmake --build --preset fuzz -j $(JOBS)
	./scripts/run-fuzzers build-fuzz $(FUZZ_SECONDS)

bench: build
	./build/bin/plenara-bench

# A Debian package of the program, build-package/plenara_<version>_<architecture>.deb, for
# "apt-get install ./build-package/plenara_*.deb", which also installs the Qt it needs.
package: deps
	cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DPLENARA_BUILD_TESTS=OFF -DPLENARA_BUILD_BENCH=OFF
	cmake --build build-package -j $(JOBS)
	cd build-package && cpack -G DEB

format: build/build.ninja
	cmake --build build --target format

format-check: build/build.ninja
	cmake --build build --target format-check

clean:
	rm -rf build build-asan build-fuzz build-package
