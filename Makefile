# SPDX-License-Identifier: GPL-3.0-or-later
# Zantaro Slots: every set-up step a new machine needs, behind two commands.
#   make run   - install missing Debian packages, build, generate the assets, start the game
#   make test  - the same set-up, then the whole suite headless through ctest
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
SOAK_SPINS ?= 1000000
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

# Everything the build, the tests and the real-window checks need, in one place.
PACKAGES := cmake g++ make ninja-build pkg-config \
	qt6-base-dev qt6-multimedia-dev \
	libgtest-dev libgmock-dev libbenchmark-dev \
	xvfb xauth x11-apps xdotool imagemagick \
	fonts-dejavu-core fonts-dejavu-extra clang-14 clang-format-14 libclang-rt-14-dev \
	appstream dpkg-dev file faketime desktop-file-utils \
	weston qt6-wayland \
	at-spi2-core dbus-daemon python3-pyatspi \
	qt6-l10n-tools qt6-tools-dev qt6-translations-l10n

# sudo clears the environment, so the non-interactive setting goes through env on its command line.
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
APT := $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get

.PHONY: all deps configure build run sim test test-asan bench soak fuzz deb translations clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
		echo "Installing missing packages:$$missing"; \
		$(APT) update -qq && \
		$(APT) install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/zantaro

sim: build
	$(BUILD_DIR)/zantaro-sim par

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZANTARO_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD_DIR)/zantaro-bench
	for screen in 1280x1024:1 1920x1080:1 2560x1440:1 3840x2160:2 1920x1080:1:--fullscreen 3840x2160:2:--fullscreen; do \
		size=$${screen%%:*}; rest=$${screen#*:}; scale=$${rest%%:*}; mode=$${rest#$$scale}; mode=$${mode#:}; \
		echo "== $$size at a desktop scale of $$scale $$mode"; \
		XDG_RUNTIME_DIR=$$(mktemp -d) QT_SCALE_FACTOR=$$scale \
			xvfb-run -a -s "-screen 0 $${size}x24" $(BUILD_DIR)/zantaro-window-bench $$mode || exit 1; \
	done
	$(BUILD_DIR)/zantaro-sim par --simulate 3000000 | tail -n 20

# A million checked spins of the engine: no credit made or lost, no free spin left pending.
soak: build
	$(BUILD_DIR)/zantaro-soak --spins $(SOAK_SPINS)

# The INI, saved-game and history readers under libFuzzer, built with clang in a directory of their own;
# each target runs FUZZ_SECONDS.
fuzz: deps
	cmake -S tests/fuzz -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	tests/fuzz/run_fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# The translations (src/translations/*.ts) brought up to date with every source text.
translations: configure
	cmake --build $(BUILD_DIR) --target update_translations

# The Debian package, in the build directory.
deb: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
