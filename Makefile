# adif2kvx: the two commands a fresh Debian machine needs are `make demo` and `make test`.
# Both install what is missing (Debian packages through apt-get, as root) and build first.

BUILD       ?= build
BUILD_ASAN  ?= build-asan
BUILD_WIN32 ?= build-win32
BUILD_DIST  ?= build-dist
BUILD_WINE  ?= build-wine
DIST        ?= dist
JOBS        ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 60
# Warnings stop the build here and in CI; a plain cmake build only reports them.
STRICT      ?= -DADIF2KVX_WERROR=ON

.PHONY: all deps deps-windows build asan windows wine-driver test unit fuzz wine dist dist-check demo bench \
        screenshot format format-check clean

all: build

deps:
	@scripts/install-deps.sh native

deps-windows:
	@scripts/install-deps.sh windows

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(STRICT) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# AddressSanitizer + UndefinedBehaviorSanitizer build with clang; it also holds the fuzz targets.
asan: deps
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DADIF2KVX_SANITIZE=ON -DADIF2KVX_FUZZ=ON $(STRICT) >/dev/null
	@cmake --build $(BUILD_ASAN) -j $(JOBS)

windows: deps deps-windows
	@scripts/windows-build.sh $(BUILD_WIN32) $(STRICT)

# The Wine test's driver program, a cross-built project of its own.
wine-driver: deps deps-windows
	@cmake -S tests/wine -B $(BUILD_WINE) -G Ninja -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-i686.cmake \
	  -DCMAKE_BUILD_TYPE=Release $(STRICT) >/dev/null
	@cmake --build $(BUILD_WINE) -j $(JOBS)

# The release packages: the Windows zip, the Linux tarball, the Debian package and their
# checksums in $(DIST)/, the same bytes whenever the same commit is packed.
dist: windows
	@scripts/install-deps.sh dist
	@cmake -S . -B $(BUILD_DIST) -G Ninja -DCMAKE_BUILD_TYPE=Release -DADIF2KVX_TESTS=OFF \
	  -DADIF2KVX_STATIC_RUNTIME=ON $(STRICT) >/dev/null
	@cmake --build $(BUILD_DIST) -j $(JOBS)
	@scripts/dist.sh $(BUILD_WIN32) $(BUILD_DIST) $(DIST)

# make dist once more, from scratch in other folders: the same bytes; and the Debian package's
# tool runs from a folder it was unpacked into.
dist-check: dist
	@rm -rf $(BUILD_DIST)-again
	@$(MAKE) --no-print-directory dist BUILD_WIN32=$(BUILD_DIST)-again/win32 \
	  BUILD_DIST=$(BUILD_DIST)-again/linux DIST=$(BUILD_DIST)-again/dist
	@tests/dist/check.sh $(DIST) $(BUILD_DIST)-again/dist

unit: build asan
	@cd $(BUILD) && ctest --output-on-failure
	@cd $(BUILD_ASAN) && ctest --output-on-failure

fuzz: asan
	@scripts/run-fuzz.sh $(BUILD_ASAN) $(FUZZ_SECONDS)

# The Windows program as the operator gets it: unpacked from the zip in $(DIST)/.
wine: dist wine-driver
	@tests/wine/run.sh $(DIST) $(BUILD_WINE)

test: format-check unit fuzz wine
	@echo "all tests passed"

demo: build
	@scripts/demo.sh $(BUILD)

bench: deps
	@scripts/install-deps.sh bench
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DADIF2KVX_TESTS=OFF -DADIF2KVX_BENCH=ON >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@scripts/bench.sh build-bench

screenshot: windows wine-driver
	@scripts/install-deps.sh screenshot
	@scripts/screenshot.sh $(BUILD_WIN32) $(BUILD_WINE)

# Every C++ file of the checkout in the style of .clang-format; format-check fails on one that is not.
format: deps
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check: deps
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_WIN32) $(BUILD_DIST) $(BUILD_DIST)-again $(BUILD_WINE) $(DIST) build-bench
