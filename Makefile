# make run   - set up if needed, build, start varnel.exe under Wine (ARGS="..." passes arguments)
# make test  - set up if needed, build both targets, run native and Wine tests in one ctest
# make bench - build and run the benchmarks (native, optimised)
BUILD   ?= build
NATIVE  := $(BUILD)/native
WIN32   := $(BUILD)/win32
BENCH   := $(BUILD)/bench
JOBS    ?= $(shell nproc)
ARGS    ?=

.PHONY: all setup native win32 test run bench clean

all: native win32

setup:
	@bash scripts/setup.sh

$(WIN32)/build.ninja:
	cmake -S . -B $(WIN32) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(NATIVE)/build.ninja:
	cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARNEL_SANITIZE=ON \
	      -DVARNEL_WIN_BUILD_DIR=$(abspath $(WIN32))

win32: setup $(WIN32)/build.ninja
	cmake --build $(WIN32) -j $(JOBS)

native: setup $(NATIVE)/build.ninja
	cmake --build $(NATIVE) -j $(JOBS)

test: native win32
	ctest --test-dir $(NATIVE) --output-on-failure

run: setup $(WIN32)/build.ninja
	cmake --build $(WIN32) -j $(JOBS) --target varnel
	scripts/wine-test.sh desktop $(WIN32) $(abspath $(WIN32))/varnel.exe $(ARGS)

bench: setup
	cmake -S . -B $(BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNEL_TESTS=OFF -DVARNEL_BENCH=ON
	cmake --build $(BENCH) -j $(JOBS)
	@for b in $(BENCH)/bench/*_bench; do echo "== $$b"; $$b || exit 1; done

clean:
	rm -rf $(BUILD)
