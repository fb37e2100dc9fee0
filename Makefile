# make run    install dependencies, build (Release) and start Kesto Viruz
# make test   install dependencies, build and run the whole suite headless
# make bench  build and run the benchmarks

BUILD ?= build
BUILD_RELEASE ?= build-release
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# The test build has an updater whose feed is on this computer, where nothing
# answers; the tests give the updaters they drive a feed of their own.
TEST_BUILD_FLAGS ?= -DKESTO_UPDATE_FEED_URL=http://127.0.0.1:9/kesto-update-feed.xml \
	-DKESTO_UPDATE_PUBLIC_KEY=Ey7Il+pcJ1WJkJUwRhCmiLc1RFPdCgrhlSNo5oVwa4g=

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(TEST_BUILD_FLAGS) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: deps
	@cmake -S . -B $(BUILD_RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_RELEASE) -j $(JOBS)
	@if [ -x $(BUILD_RELEASE)/src/shell/kesto-viruz ]; then \
		exec $(BUILD_RELEASE)/src/shell/kesto-viruz; \
	else \
		echo "kesto-viruz is not built yet"; \
	fi

test: build
	@scripts/test-env start $(BUILD)/test-env >/dev/null
	@. $(BUILD)/test-env/env && cd $(BUILD) && ctest --output-on-failure -j $(JOBS); \
		rc=$$?; cd $(CURDIR) && scripts/test-env stop $(BUILD)/test-env; exit $$rc

bench: deps
	@cmake -S . -B $(BUILD_RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTO_BUILD_BENCH=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_RELEASE) -j $(JOBS)
	@scripts/test-env start $(BUILD_RELEASE)/test-env >/dev/null
	@rm -rf $(BUILD_RELEASE)/bench-figures
	@. $(BUILD_RELEASE)/test-env/env && cd $(BUILD_RELEASE) && ctest -L bench --output-on-failure; \
		rc=$$?; cd $(CURDIR) && scripts/test-env stop $(BUILD_RELEASE)/test-env; \
		bench/summary.py $(BUILD_RELEASE)/bench-figures $(BUILD_RELEASE)/bench-summary.md || rc=1; exit $$rc

clean:
	rm -rf $(BUILD) $(BUILD_RELEASE)
