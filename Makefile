# The two entry points of the project: `make run` and `make test`.
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
COV_BUILD ?= build-cov
FUZZ_SECONDS ?= 600
JOBS ?= 2
PREFIX ?= /usr/local
LAUNCHER := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: deps configure build test coverage run bench fuzz fuzz-build fuzz-replay install package clean

deps:
	@scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

# The fuzz target, built with clang, AddressSanitizer and UBSan.
fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCADTEXT_FUZZ=ON -DBUILD_TESTING=OFF -DCADTEXT_BENCH=OFF $(LAUNCHER)
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target content_fuzzer dxf_fuzzer

# Replays the kept corpora under the sanitizers: every input once.
fuzz-replay: fuzz-build
	$(FUZZ_BUILD)/fuzz/content_fuzzer -runs=0 fuzz/corpus
	$(FUZZ_BUILD)/fuzz/dxf_fuzzer -runs=0 fuzz/dxf-corpus

# Grows the corpora for FUZZ_SECONDS each.
fuzz: fuzz-build
	$(FUZZ_BUILD)/fuzz/content_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=2048 fuzz/corpus
	$(FUZZ_BUILD)/fuzz/dxf_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=20000 fuzz/dxf-corpus

test: build fuzz-replay
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

# An instrumented copy (gcov, no optimisation) in its own build folder: runs
# every test, then prints line and branch coverage of each library folder and
# writes $(COV_BUILD)/coverage.json. Not part of `make test`.
COV_FOLDERS := mtext commands editor platform
coverage: deps
	cmake -S . -B $(COV_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCADTEXT_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="--coverage -O0" -DCMAKE_EXE_LINKER_FLAGS=--coverage \
	  -DCMAKE_SHARED_LINKER_FLAGS=--coverage -DCMAKE_MODULE_LINKER_FLAGS=--coverage $(LAUNCHER)
	cmake --build $(COV_BUILD) -j$(JOBS)
	find $(COV_BUILD) -name '*.gcda' -delete
	ctest --test-dir $(COV_BUILD) --output-on-failure -j$(JOBS)
	gcovr -r . --object-directory $(COV_BUILD) -j$(JOBS) --exclude-directories '$(COV_BUILD)/CMakeFiles' --exclude-unreachable-branches \
	  --exclude-throw-branches --filter '($(subst $() ,|,$(COV_FOLDERS)))/' --json $(COV_BUILD)/coverage.json
	@for f in $(COV_FOLDERS); do \
	  gcovr -r . --add-tracefile $(COV_BUILD)/coverage.json --filter "$$f/" --print-summary -o /dev/null \
	  | awk -v f="$$f/" '/^(lines|branches):/ {print f, $$0}'; \
	done

run: build
	$(BUILD)/app/cadtext --help
	$(BUILD)/app/cadtext dxf info samples/demo.dxf
	$(BUILD)/app/cadtext run samples/demo.dxf -o $(BUILD)/demo-edited.dxf \
	  -c 'justifytext;select all;keyword MC' -c 'TCase;select all;dialog Case mode=title ok'
	$(BUILD)/app/cadtext dxf info $(BUILD)/demo-edited.dxf
	$(BUILD)/app/cadtext dxf render samples/demo.dxf --boxes -o $(BUILD)/demo.svg
	$(BUILD)/app/cadtext dxf render $(BUILD)/demo-edited.dxf --boxes -o $(BUILD)/demo-edited.svg
	@echo "drew the sample drawing before and after justifytext to $(BUILD)/demo.svg and $(BUILD)/demo-edited.svg: every text's box stays where it was"
	$(BUILD)/app/cadtext font measure --font Arial --height 2.5 "Hello, world"
	$(BUILD)/app/cadtext render --width 60 --height 40 --columns static:2:6 --boxes -o $(BUILD)/sample.svg - < samples/sample.mtext
	@echo "rendered samples/sample.mtext to $(BUILD)/sample.svg"
	$(BUILD)/app/cadtext run samples/demo.dxf -o $(BUILD)/demo-typed.dxf \
	  -c 'MTextEdit;select handles 92;keys Home "Typed in place: " Ctrl+Enter'
	$(BUILD)/app/cadtext dxf render $(BUILD)/demo-typed.dxf -o $(BUILD)/demo-typed.svg
	@echo "typed into an MText of the sample drawing with the in-place editor: $(BUILD)/demo-typed.svg"
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then $(BUILD)/app/cadtext gui samples/demo.dxf; \
	  else $(BUILD)/app/cadtext gui samples/demo.dxf --screenshot $(BUILD)/desktop.png; fi

# Headers, libraries, the commands module, data, man page and CMake package under PREFIX.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, $(BUILD)/cadtext_VERSION_amd64.deb.
package: build
	cd $(BUILD) && cpack

bench: build
	$(BUILD)/bench/cadtext_bench

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(COV_BUILD)
