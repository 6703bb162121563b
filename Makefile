# The two commands of the README: `make run` and `make test`.
# Everything below them (package install, configure, build, reference files)
# is done on demand, so both work on a fresh Debian 12 machine.

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 300

.PHONY: all deps configure build run test test-main test-asan tsan bench fuzz format format-check clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/qinghe

test: test-main test-asan

# The window tests run three times over: a race there must fail, not pass by luck.
test-main: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -LE gui
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -L gui --repeat until-fail:3

# The core and its tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQINGHE_CORE_ONLY=ON \
	  -DQINGHE_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# The generation threads under ThreadSanitizer (core tests that run a worker thread).
TSAN_BUILD ?= build-tsan
tsan: deps
	@cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQINGHE_CORE_ONLY=ON \
	  -DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread >/dev/null
	@cmake --build $(TSAN_BUILD) -j $(JOBS) --target qinghe-core-tests
	$(TSAN_BUILD)/tests/qinghe-core-tests --gtest_filter='ClassicRun.*:ClassicStreamTest.*:ReferenceDbTest.EachThread*'

bench: build
	$(BUILD)/bench/qinghe-bench

# libFuzzer target for the SQL translator (clang). FUZZ_SECONDS=300 by default.
fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQINGHE_CORE_ONLY=ON \
	  -DQINGHE_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target jetsql-fuzz
	mkdir -p $(FUZZ_BUILD)/corpus
	$(FUZZ_BUILD)/fuzz/jetsql-fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
	  $(FUZZ_BUILD)/corpus fuzz/seeds

# Every C++ file of the repository follows .clang-format; format-check fails on one that
# does not (CI runs it).
FORMATTED = git ls-files '*.cpp' '*.h'

format:
	$(FORMATTED) | xargs clang-format -i

format-check: deps
	@$(FORMATTED) | xargs clang-format --dry-run --Werror
	@echo "format-check: every C++ file follows .clang-format"

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

# Regenerates the committed poem collection (data/poetry/poems.tsv) from the npm package
# pinned in package-lock.json.
.PHONY: poetry-data
poetry-data:
	npm ci --ignore-scripts
	node scripts/extract-poetry-data.mjs

# Regenerates the committed astronomical tables (VSOP87 Earth, observed Delta T) from the
# pinned npm package.
.PHONY: astronomy-data
astronomy-data:
	npm ci --ignore-scripts
	node scripts/extract-astronomy-data.mjs
