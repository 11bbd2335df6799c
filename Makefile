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
	xvfb xauth x11-utils xdotool libx11-dev imagemagick fonts-dejavu-core \
	fonts-liberation2 openbox \
	freecell-solver-bin desktop-file-utils appstream \
	qt6-l10n-tools qt6-tools-dev python3 \
	dbus-daemon at-spi2-core python3-pyatspi

# Installs those of the given Debian packages that are missing; a fresh
# machine has no package lists yet, so they are fetched first.
install_missing = missing=""; for p in $(1); do \
		dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
		echo "Installing:$$missing"; \
		$(SUDO) apt-get update && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

.PHONY: all deps configure build test run bench test-asan asan-core clean screenshots

all: build

# Install only the packages that are missing; a fresh machine has no package lists yet.
deps:
	@$(call install_missing,$(PACKAGES))

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: $(BUILD)/build.ninja

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

# Sanitizer runs: leaks in system libraries are listed in tests/lsan.supp.
SAN_ENV := QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 QUILLANE_SOLVED_DEALS=3 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1
# The model, settings, table, game and solver tests and the fuzzers' kept inputs run
# under the sanitizers in every `make test` (the solver's replay with fewer deals).
SAN_CORE := test_model test_undo test_profile test_table test_games test_solver test_fuzz_regressions

test: build asan-core
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && $(SAN_ENV) ctest --output-on-failure -j $(JOBS) \
		-R '^($(shell echo $(SAN_CORE) | tr ' ' '|'))$$'

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLANE_SANITIZE=ON

asan-core: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target $(SAN_CORE)

# The program, its launcher entry, icons, metainfo and manual page under PREFIX
# (DESTDIR is honoured for staged installs).
PREFIX ?= /usr/local

.PHONY: install
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package, made with CPack in $(BUILD)/package/ and checked with lintian.
PACKAGE_PACKAGES := dpkg-dev file lintian

.PHONY: package
package: build
	@$(call install_missing,$(PACKAGE_PACKAGES))
	rm -f $(BUILD)/package/*.deb
	cd $(BUILD) && cpack -G DEB
	lintian --fail-on error $(BUILD)/package/*.deb
	@ls $(BUILD)/package/*.deb

run: build
	@if [ -x $(BUILD)/quillane ]; then $(BUILD)/quillane; \
	else echo "The game selector is not built yet: only the libraries and tests exist so far."; fi

# Real screenshots of the selector and three games, taken from the program in
# English under Xvfb, for the software centre and a release page.
screenshots: build
	xvfb-run -a -s "-screen 0 1280x1024x24" dist/screenshots.sh $(BUILD)/quillane dist/screenshots

# Only the benchmarks need these: the start-up timer watches X for drawing.
BENCH_PACKAGES := libxdamage-dev

bench: deps
	@$(call install_missing,$(BENCH_PACKAGES))
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLANE_BENCH=ON -DQUILLANE_TESTS=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	bench/run-bench.sh $(BENCH_BUILD)

test-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(SAN_ENV) ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)

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

# libFuzzer targets built with clang in their own folder, each run for
# FUZZ_SECONDS from its seed corpus; fails when one finds a crash.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_PACKAGES := clang libclang-rt-14-dev

.PHONY: fuzz
fuzz: deps
	@$(call install_missing,$(FUZZ_PACKAGES))
	CC=clang CXX=clang++ cmake -S fuzz -B $(FUZZ_BUILD) -G Ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	fuzz/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)
