# Developer entry points; every target installs what is missing first.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all setup configure build run test paket bench fuzz format clean

all: build

setup:
	@scripts/setup.sh

configure: setup
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/src/fermalin

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The Debian package $(BUILD)/fermalin_<version>_amd64.deb.
paket: build
	rm -f $(BUILD)/fermalin_*.deb
	cd $(BUILD) && cpack -G DEB

bench: build
	bench/run.sh $(BUILD)

# Each fuzz target for FUZZ_SECONDS on a copy of its seed corpus (and its
# dictionary, where it has one); FUZZ_TARGETS picks some.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= einstellungen gebjahre stapel_lesen zeilenleser
fuzz: setup
	CXX=clang++ cmake -S . -B build-fuzz -DFERMALIN_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j$(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	for ziel in $(FUZZ_TARGETS); do \
	    mkdir -p build-fuzz/korpus_$$ziel && cp tests/fuzz/korpus_$$ziel/* build-fuzz/korpus_$$ziel/ && \
	    dict=; [ -f tests/fuzz/$$ziel.dict ] && dict=-dict=tests/fuzz/$$ziel.dict; \
	    build-fuzz/tests/fuzz/fuzz_$$ziel -max_total_time=$(FUZZ_SECONDS) -max_len=65536 $$dict \
	        -artifact_prefix=build-fuzz/ build-fuzz/korpus_$$ziel || exit 1; \
	done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-*
