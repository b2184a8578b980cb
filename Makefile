# Two entry points for players and developers: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build setup bench clean

setup:
	@bash scripts/setup.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
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
