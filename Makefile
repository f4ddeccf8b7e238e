# Plakatorium — the two set-up commands are `make run` and `make test`.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
JOBS ?= $(shell nproc)

FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
ASAN_DIR ?= build-asan
COVERAGE_DIR ?= build-coverage

.PHONY: deps configure build run test bench package fuzz test-asan coverage clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@if [ ! -f $(BUILD_DIR)/build.ninja ]; then cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS); fi

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(BUILD_DIR)/bin/plakatorium

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

bench: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target benchmarks
	@for b in $(BUILD_DIR)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

package: build
	@cmake --build $(BUILD_DIR) --target package

# The libFuzzer harnesses of fuzz/ (clang, core library only), each run FUZZ_SECONDS.
fuzz: deps
	@if [ ! -f $(FUZZ_DIR)/build.ninja ]; then CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLK_FUZZ=ON -DPLK_BENCH=OFF; fi
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzzers
	@bash fuzz/run.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# Every test, built for debugging with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	@if [ ! -f $(ASAN_DIR)/build.ninja ]; then cmake -S . -B $(ASAN_DIR) -G Ninja \
		-DCMAKE_BUILD_TYPE=Debug -DPLK_SANITIZE=ON -DPLK_BENCH=OFF; fi
	@cmake --build $(ASAN_DIR) -j $(JOBS)
	@LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions.txt:print_suppressions=0 \
		ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS)

# Every test in an unoptimised build instrumented with --coverage, then the line coverage of src/
# (the full table is kept in $(COVERAGE_DIR)/coverage.txt). Counters of an earlier run are reset;
# the counters' own complaints (a child process under a file-size limit) stay off the tests' output.
coverage: deps
	@if [ ! -f $(COVERAGE_DIR)/build.ninja ]; then cmake -S . -B $(COVERAGE_DIR) -G Ninja \
		-DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="-O0 --coverage" \
		-DCMAKE_EXE_LINKER_FLAGS=--coverage -DPLK_BENCH=OFF; fi
	@cmake --build $(COVERAGE_DIR) -j $(JOBS)
	@find $(COVERAGE_DIR) -name '*.gcda' -delete
	@GCOV_ERROR_FILE=/dev/null ctest --test-dir $(COVERAGE_DIR) -j $(JOBS) --output-on-failure || true
	@gcovr --root $(CURDIR) --filter '$(CURDIR)/src/' --gcov-ignore-parse-errors -j $(JOBS) \
		--txt $(COVERAGE_DIR)/coverage.txt --print-summary $(COVERAGE_DIR)

clean:
	@rm -rf $(BUILD_DIR) $(FUZZ_DIR) $(ASAN_DIR) $(COVERAGE_DIR)
