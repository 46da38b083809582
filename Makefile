# Set-up, build, run and test in one step each; see README.md.
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
PACKAGE_BUILD ?= build-package
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
# Every warning an error: on for `make test` (and so in CI), off otherwise, so that a newer
# compiler's new warning does not stop `make run`.
WERROR ?= OFF

.PHONY: all deps configure build fuzz-build run test test-asan bench package clean

all: build

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DTREVIK_WERROR=$(WERROR) \
		$(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

# Only the window and what it links: the tests and benchmarks wait for `make test`.
run: configure
	cmake --build $(BUILD) -j$(JOBS) --target trevik
	scripts/run-trevik $(BUILD)/src/gui/trevik

# The fuzz targets need clang and sanitizers of their own, so they build apart.
fuzz-build: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DTREVIK_FUZZ=ON -DTREVIK_WERROR=$(WERROR) $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j$(JOBS)

test: WERROR = ON
test: build fuzz-build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	cd $(FUZZ_BUILD) && ctest --output-on-failure -j$(JOBS)

test-asan:
	$(MAKE) test BUILD=build-asan BUILD_TYPE=Debug CMAKE_FLAGS=-DTREVIK_SANITIZE=ON

bench: build
	$(BUILD)/bench/trevik-bench

# A Debian package in this folder, built in its own tree for /usr with Debian's hardening
# flags and without the tests.
package: deps
	CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
	    -DTREVIK_TESTS=OFF -DTREVIK_BENCHMARKS=OFF -DTREVIK_WERROR=$(WERROR) $(CMAKE_FLAGS)
	cmake --build $(PACKAGE_BUILD) -j$(JOBS)
	rm -f $(PACKAGE_BUILD)/trevik_*.deb
	cd $(PACKAGE_BUILD) && cpack -G DEB
	cp $(PACKAGE_BUILD)/trevik_*.deb .
	@ls -l trevik_*.deb

clean:
	rm -rf build build-asan build-fuzz $(PACKAGE_BUILD) trevik_*.deb
