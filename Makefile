# The two commands for a fresh machine are `make run` and `make test`;
# both install what is missing first.
BUILD_DIR ?= $(CURDIR)/build
export BUILD_DIR

.PHONY: all setup build run test bench fuzz clean
all: build

setup:
	@bash tools/setup.sh

build: setup
	@bash tools/build.sh native win64 win32

run: setup
	@bash tools/build.sh win64
	@bash tools/run.sh

test: build
	@bash tools/run-tests.sh

bench: setup
	@bash tools/build.sh win64
	@bash tools/bench.sh

fuzz: setup
	@bash tools/build.sh fuzz
	@bash tools/fuzz.sh

clean:
	rm -rf $(BUILD_DIR)/native $(BUILD_DIR)/win32 $(BUILD_DIR)/win64 $(BUILD_DIR)/fuzz
