# The two commands of the README, and the benchmarks. Each installs what it needs first.
BUILD_DIR := build
JOBS := $(shell nproc)

.PHONY: run test bench configure

run:
	@scripts/require-display.sh
	@scripts/install-deps.sh run
	@$(MAKE) --no-print-directory configure
	cmake --build $(BUILD_DIR) --target quillmoss -j $(JOBS)
	$(BUILD_DIR)/bin/quillmoss

test:
	@scripts/install-deps.sh test
	@$(MAKE) --no-print-directory configure
	cmake --build $(BUILD_DIR) -j $(JOBS)
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

bench:
	@scripts/install-deps.sh bench
	@$(MAKE) --no-print-directory configure
	cmake --build $(BUILD_DIR) -j $(JOBS)
	scripts/run-benchmarks.sh $(BUILD_DIR)/bin

configure:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
