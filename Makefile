# Set-up, build, run and test in one step each; see README.md.
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: all deps configure build fuzz-build run test test-asan bench clean

all: build

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	scripts/run-trevik $(BUILD)/src/gui/trevik

# The fuzz targets need clang and sanitizers of their own, so they build apart.
fuzz-build: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DTREVIK_FUZZ=ON $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j$(JOBS)

test: build fuzz-build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	cd $(FUZZ_BUILD) && ctest --output-on-failure -j$(JOBS)

test-asan:
	$(MAKE) test BUILD=build-asan BUILD_TYPE=Debug CMAKE_FLAGS=-DTREVIK_SANITIZE=ON

bench: build
	$(BUILD)/bench/trevik-bench

clean:
	rm -rf build build-asan build-fuzz
