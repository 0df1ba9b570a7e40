# adif2kvx: the two commands a fresh Debian machine needs are `make demo` and `make test`.
# Both install what is missing (Debian packages through apt-get, as root) and build first.

BUILD       ?= build
BUILD_ASAN  ?= build-asan
BUILD_WIN32 ?= build-win32
JOBS        ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 60

.PHONY: all deps deps-windows build asan windows test unit e2e fuzz wine demo bench screenshot clean

all: build

deps:
	@scripts/install-deps.sh native

deps-windows:
	@scripts/install-deps.sh windows

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# AddressSanitizer + UndefinedBehaviorSanitizer build with clang; it also holds the fuzz targets.
asan: deps
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DADIF2KVX_SANITIZE=ON -DADIF2KVX_FUZZ=ON >/dev/null
	@cmake --build $(BUILD_ASAN) -j $(JOBS)

windows: deps deps-windows
	@scripts/windows-build.sh $(BUILD_WIN32)

unit: build asan
	@cd $(BUILD) && ctest --output-on-failure
	@cd $(BUILD_ASAN) && ctest --output-on-failure

fuzz: asan
	@scripts/run-fuzz.sh $(BUILD_ASAN) $(FUZZ_SECONDS)

wine: windows build
	@tests/wine/run.sh $(BUILD_WIN32) $(BUILD)

test: unit fuzz wine
	@echo "all tests passed"

demo: build
	@scripts/demo.sh $(BUILD)

bench: deps
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DADIF2KVX_TESTS=OFF -DADIF2KVX_BENCH=ON >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@scripts/bench.sh build-bench

screenshot: windows build
	@scripts/screenshot.sh $(BUILD_WIN32)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_WIN32) build-bench
