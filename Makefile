# Developer entry points; every target installs what is missing first.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all setup configure build run test bench format clean

all: build

setup:
	@scripts/setup.sh

configure: setup
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

# Until the main window exists the program is the batch computation.
run: build
	./$(BUILD)/src/fermalin-cli --help

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: build
	bench/run.sh $(BUILD)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-*
