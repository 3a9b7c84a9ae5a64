# Front door: `make test` sets up a fresh machine, builds everything and runs every test.
PRESET ?= default

.PHONY: all bootstrap configure build test run bench clean

all: build

bootstrap:
	bash scripts/bootstrap.sh

configure: bootstrap
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET)

test: build
	QT_QPA_PLATFORM=offscreen ctest --preset $(PRESET)

run: build
	bash scripts/run.sh build/$(PRESET)

bench: build
	build/$(PRESET)/bench/wcthrm_bench

clean:
	rm -rf build
