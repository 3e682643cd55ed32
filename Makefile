# The two commands of the README, and the reliability targets. Each installs what it needs first.
BUILD_DIR := build
SANITIZE_DIR := build-sanitize
THREAD_DIR := build-thread
FUZZ_DIR := build-fuzz
JOBS := $(shell nproc)
# Debian's python3, for which the install script brings NumPy and pandas.
PYTHON := $(shell test -x /usr/bin/python3 && echo /usr/bin/python3 || echo python3)
# Seconds each fuzzer runs in make fuzz, and which of them run (all by default).
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=

# Sanitizer reports stop the run. Leaks inside the system's GL and X libraries are not ours and are
# suppressed; the preloaded library keeps Mesa's driver mapped until the report, so they can be named.
ASAN_CHECKS := detect_leaks=1:abort_on_error=1:strict_string_checks=1
SANITIZER_REPORTS := UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0
FUZZ_ENV := ASAN_OPTIONS=$(ASAN_CHECKS) $(SANITIZER_REPORTS) \
	LD_PRELOAD=$(CURDIR)/$(FUZZ_DIR)/lib/libkeep-libraries-loaded.so
SANITIZER_ENV := ASAN_OPTIONS=$(ASAN_CHECKS):verify_asan_link_order=0 $(SANITIZER_REPORTS) \
	LD_PRELOAD=$(CURDIR)/$(SANITIZE_DIR)/lib/libkeep-libraries-loaded.so

.PHONY: run test bench configure test-sanitize test-thread soak fuzz format mutants test-slurm python python-install

run:
	@scripts/require-display.sh
	@scripts/install-deps.sh run
	@$(MAKE) --no-print-directory configure
	cmake --build $(BUILD_DIR) --target quillmoss -j $(JOBS)
	$(BUILD_DIR)/bin/quillmoss

test:
	@scripts/install-deps.sh test
	@$(MAKE) --no-print-directory configure CONFIGURE_OPTIONS=-DQUILLMOSS_TESTS=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)
	ctest --test-dir $(BUILD_DIR) --output-on-failure --no-tests=error -j $(JOBS)

bench:
	@scripts/install-deps.sh bench
	@$(MAKE) --no-print-directory configure
	cmake --build $(BUILD_DIR) -j $(JOBS)
	scripts/run-benchmarks.sh $(BUILD_DIR)/bin
	PYTHONPATH=$(BUILD_DIR)/python $(PYTHON) bench/pythonThreads.py
	scripts/sweep-speedup.sh $(BUILD_DIR)/bin/quillmoss-lab

# The Python module, in build/python (PYTHONPATH=build/python python3), and installed where
# python3 finds it with no path set. quillmoss-lab comes with it, on the same code: the module's
# tests compare its worlds and pictures with the lab's.
python:
	@scripts/install-deps.sh python
	@$(MAKE) --no-print-directory configure
	cmake --build $(BUILD_DIR) --target _quillmoss quillmoss-lab -j $(JOBS)

python-install: python
	QUILLMOSS_PYTHON=$(PYTHON) scripts/install-python.sh $(BUILD_DIR)/python/quillmoss

# The test targets ask for the tests, so that a missing test library stops the configure; make run
# needs none and keeps what the build directory was configured with.
configure:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release $(CONFIGURE_OPTIONS)

test-sanitize:
	@scripts/install-deps.sh test
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMOSS_SANITIZE=ON -DQUILLMOSS_TESTS=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	$(SANITIZER_ENV) ctest --test-dir $(SANITIZE_DIR) --output-on-failure --no-tests=error -j $(JOBS)

# The core tests built with ThreadSanitizer, and those of them that step worlds in threads run:
# worlds side by side must share nothing they write. The build runs with address-space randomisation
# off, which ThreadSanitizer's memory layout needs on kernels that randomise more bits than it expects.
THREADED_TESTS := TwoWorlds.*:WorldValue.*
test-thread:
	@scripts/install-deps.sh test
	cmake -S . -B $(THREAD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMOSS_THREAD_SANITIZE=ON -DQUILLMOSS_TESTS=ON
	cmake --build $(THREAD_DIR) --target coreTests -j $(JOBS)
	TSAN_OPTIONS=halt_on_error=1 setarch "$$(uname -m)" -R $(THREAD_DIR)/bin/coreTests --gtest_filter='$(THREADED_TESTS)'

soak:
	@scripts/install-deps.sh test
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMOSS_SANITIZE=ON -DQUILLMOSS_TESTS=ON
	cmake --build $(SANITIZE_DIR) --target coreTests keep-libraries-loaded -j $(JOBS)
	$(SANITIZER_ENV) $(SANITIZE_DIR)/bin/coreTests --gtest_also_run_disabled_tests --gtest_filter='*Soak*'

fuzz:
	@scripts/install-deps.sh fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMOSS_FUZZ=ON
	cmake --build $(FUZZ_DIR) --target worldFuzzer worldFileFuzzer panelFuzzer noticeFuzzer keep-libraries-loaded -j $(JOBS)
	$(FUZZ_ENV) scripts/run-fuzzers.sh $(FUZZ_DIR)/bin $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# The share of small faults in the product code that the tests catch: MUTANTS of them (100 by
# default), drawn with MUTANT_SEED from every product directory, common/, tools/ and python/ among
# them, in proportion to its lines of code, built and tested in build-mutants. BASE=<commit> draws
# only from the lines changed since that commit.
MUTANTS ?= 100
MUTANT_SEED ?= 1
BASE ?=
mutants:
	@scripts/install-deps.sh mutants
	scripts/mutants.py --count $(MUTANTS) --seed $(MUTANT_SEED) --build build-mutants $(if $(BASE),--base $(BASE)) $(if $(SKIP),--skip $(SKIP))

# A sweep through a one-node Slurm cluster started here (as root), compared with the local sweep.
test-slurm:
	@scripts/install-deps.sh slurm
	@$(MAKE) --no-print-directory configure
	cmake --build $(BUILD_DIR) --target quillmoss-lab -j $(JOBS)
	scripts/test-slurm.sh $(BUILD_DIR)/bin/quillmoss-lab

# Every C++ file the repository tracks, in the house style of .clang-format.
format:
	@scripts/install-deps.sh format
	git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format -i
