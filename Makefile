# Quillane: set-up, build, test and run on Debian 12.
# `make run` and `make test` install whatever Debian packages are missing first.

BUILD      ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
JOBS       ?= $(shell nproc)
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

PACKAGES := cmake ninja-build ccache g++ pkg-config \
	qt6-base-dev qt6-image-formats-plugins libgl-dev \
	libsdl2-dev libsdl2-image-dev \
	libgtest-dev libgmock-dev libbenchmark-dev \
	xvfb xauth x11-utils xdotool imagemagick fonts-dejavu-core

.PHONY: all deps configure build test run bench test-asan clean

all: build

# Install only the packages that are missing; a fresh machine has no package lists yet.
deps:
	@missing=""; for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
		echo "Installing:$$missing"; \
		$(SUDO) apt-get update && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: $(BUILD)/build.ninja

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	@if [ -x $(BUILD)/quillane ]; then $(BUILD)/quillane; \
	else echo "The game selector is not built yet: only the libraries and tests exist so far."; fi

bench: deps
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLANE_BENCH=ON -DQUILLANE_TESTS=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@if [ -x bench/run-bench.sh ]; then bench/run-bench.sh $(BENCH_BUILD); \
	else echo "No benchmarks yet."; fi

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLANE_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD)

# Regenerate every picture, sound and animation in resources/ with the scripts in tools/.
ASSET_PACKAGES := nodejs npm librsvg2-bin imagemagick sox fonts-urw-base35

.PHONY: assets
assets:
	@missing=""; for p in $(ASSET_PACKAGES); do \
		command -v node >/dev/null 2>&1 && [ "$$p" = nodejs ] && continue; \
		command -v npm >/dev/null 2>&1 && [ "$$p" = npm ] && continue; \
		dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
		echo "Installing:$$missing"; \
		$(SUDO) apt-get update && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi
	cd tools && npm ci --no-audit --no-fund && node build-assets.mjs

# The monkey tests, a hundred times longer.
.PHONY: soak
soak: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen QUILLANE_SOAK=100 ./tests/games/test_games --gtest_filter='*Monkey*'
