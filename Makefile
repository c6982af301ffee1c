# make run   - set up if needed, build, start varnel.exe under Wine (ARGS="..." passes arguments;
#              WINBITS=32 or WINBITS=64 picks the build, otherwise 32-bit where this machine runs it)
# make test  - set up if needed, build all three targets, run native and Wine tests in one ctest
# make bench - build and run the benchmarks (native, optimised; the Windows ones under Wine)
BUILD   ?= build
NATIVE  := $(BUILD)/native
WIN32   := $(BUILD)/win32
WIN64   := $(BUILD)/win64
BENCH   := $(BUILD)/bench
JOBS    ?= $(shell nproc)
ARGS    ?=
WINBITS ?=

.PHONY: all setup native win32 win64 test run run-32 run-64 bench clean

all: native win32 win64

setup:
	@bash scripts/setup.sh

$(WIN32)/build.ninja: Makefile
	cmake -S . -B $(WIN32) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(WIN64)/build.ninja: Makefile
	cmake -S . -B $(WIN64) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(NATIVE)/build.ninja: Makefile
	cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARNEL_SANITIZE=ON \
	      -DVARNEL_WIN32_BUILD_DIR=$(abspath $(WIN32)) -DVARNEL_WIN64_BUILD_DIR=$(abspath $(WIN64))

win32: setup $(WIN32)/build.ninja
	cmake --build $(WIN32) -j $(JOBS)

win64: setup $(WIN64)/build.ninja
	cmake --build $(WIN64) -j $(JOBS)

native: setup $(NATIVE)/build.ninja
	cmake --build $(NATIVE) -j $(JOBS)

test: native win32 win64
	@scripts/wine-test.sh can-run 64 >/dev/null && echo "Windows tests: the 64-bit build runs under wine64." \
	  || echo "Windows tests: the 64-bit build cannot run: $$(scripts/wine-test.sh can-run 64)"
	@scripts/wine-test.sh can-run 32 >/dev/null && echo "Windows tests: the 32-bit build runs under 32-bit Wine." \
	  || echo "Windows tests: the 32-bit build is skipped: $$(scripts/wine-test.sh can-run 32)"
	ctest --test-dir $(NATIVE) --output-on-failure

# The choice is made after the set-up, which installs 32-bit Wine where it can run.
run: setup
	@bits=$(WINBITS); [ -n "$$bits" ] || bits=$$(scripts/wine-test.sh can-run 32 >/dev/null 2>&1 && echo 32 || echo 64); \
	  $(MAKE) --no-print-directory run-$$bits

run-32 run-64: run-%: $(BUILD)/win%/build.ninja
	cmake --build $(BUILD)/win$* -j $(JOBS) --target varnel
	scripts/wine-test.sh desktop $* $(BUILD)/win$* $(abspath $(BUILD)/win$*)/varnel.exe $(ARGS)

# The native benchmarks, then the Windows ones of each Windows build this machine runs.
bench: setup $(WIN64)/build.ninja $(WIN32)/build.ninja
	cmake -S . -B $(BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNEL_TESTS=OFF -DVARNEL_BENCH=ON
	cmake --build $(BENCH) -j $(JOBS)
	@status=0; for b in $(BENCH)/bench/*_bench; do echo "== $$b"; $$b || status=1; done; \
	for bits in 64 32; do \
	  if ! why=$$(scripts/wine-test.sh can-run $$bits); then echo "== $$bits-bit Windows benchmarks skipped: $$why"; continue; fi; \
	  cmake --build $(BUILD)/win$$bits -j $(JOBS) --target bench_win || exit 1; \
	  for b in $(BUILD)/win$$bits/bench/*_win_bench.exe; do \
	    echo "== $$b (under $$bits-bit Wine)"; scripts/wine-test.sh run $$bits $(BUILD)/win$$bits $$b || status=1; \
	  done; \
	done; exit $$status

clean:
	rm -rf $(BUILD)
