# The two entry points of the project: `make run` and `make test`.
BUILD ?= build
JOBS ?= 2
LAUNCHER := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: deps configure build test run bench clean

deps:
	@scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

run: build
	$(BUILD)/app/cadtext --help
	$(BUILD)/app/cadtext font measure --font Arial --height 2.5 "Hello, world"

bench: build
	$(BUILD)/bench/cadtext_bench

clean:
	rm -rf $(BUILD)
