# Two entry points for players and developers: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build configure setup bench clean

setup:
	@bash scripts/setup.sh

configure: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Only the two programs and their generated art and sound: the tests, the
# benchmark and the soak wait for `make test`.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target velmora velmora_windowed
	cd $(BUILD) && ./velmora_windowed

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The benchmark library is needed only here; configuring again picks it up.
bench:
	@bash scripts/setup.sh bench
	$(MAKE) build
	cmake --build $(BUILD) --target mirelune_bench && ./$(BUILD)/bench/mirelune_bench

clean:
	rm -rf $(BUILD)
