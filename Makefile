# Front door: `make test` sets up a fresh machine, builds everything and runs every test: the
# default build's suite, the same suite under the sanitizers, and a short run of each fuzzer.
PRESET ?= default
FUZZ_SECONDS ?= 30

.PHONY: all bootstrap configure build check test test-asan fuzz-smoke run shots bench clean

all: build

bootstrap:
	bash scripts/bootstrap.sh

configure: bootstrap
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET)

# The suite of one build (default unless PRESET says otherwise).
check: build
	QT_QPA_PLATFORM=offscreen ctest --preset $(PRESET)

test: check test-asan fuzz-smoke

test-asan: bootstrap
	cmake --preset asan
	cmake --build --preset asan
	QT_QPA_PLATFORM=offscreen ctest --preset asan

fuzz-smoke: bootstrap
	bash scripts/fuzz.sh $(FUZZ_SECONDS)

run: build
	bash scripts/run.sh build/$(PRESET)

# Pictures of every dialog and tab on example items, in shots/ (under a virtual display).
shots: build
	xvfb-run -a build/$(PRESET)/tests/ui/ui_shots shots

bench: build
	build/$(PRESET)/bench/wcthrm_bench

clean:
	rm -rf build
