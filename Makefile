# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
# Each installs the Debian packages it needs that are missing, then configures, builds and runs.
# Without apt (another distribution) nothing is installed: cmake runs with what the system has
# and, if configuring fails, says which libraries to install (README: Building on other systems).

# The game's build: compiler, CMake and the libraries it links.
BUILD_PACKAGES := cmake ninja-build g++ pkg-config libsdl2-dev libimgui-dev libglu1-mesa-dev \
    libjpeg62-turbo-dev libstb-dev
# What the game needs to draw and to show its dialogs' letters.
RUN_PACKAGES := libgl1-mesa-dri libegl1 libegl-mesa0 fonts-dejavu-core
# Without a display, `make run` plays the demo under Xvfb.
HEADLESS_PACKAGES := xvfb xauth
# Everything `make test` runs: the tests, the window tests, the style, package and MPI checks.
TEST_PACKAGES := $(BUILD_PACKAGES) $(RUN_PACKAGES) $(HEADLESS_PACKAGES) libgtest-dev libbenchmark-dev \
    xdotool x11-utils openbox clang libclang-rt-14-dev python3 clang-format clang-tidy \
    lintian desktop-file-utils appstream dpkg-dev man-db ccache openmpi-bin libopenmpi-dev
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)
# The presets build with Ninja; where it is missing, with make.
GENERATOR := $(if $(shell command -v ninja 2>/dev/null),,-G "Unix Makefiles")

.PHONY: run test deps deps-build deps-run release asan bench assets keys screens tidy clean

# $(call ensure,PACKAGES): installs those of the Debian packages that are missing, if any.
define ensure
	@if ! command -v apt-get >/dev/null 2>&1 || ! command -v dpkg-query >/dev/null 2>&1; then \
	    echo "No apt-get or dpkg here: building with the libraries this system has."; \
	else \
	    missing=$$(for p in $(1); do \
	        dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	    if [ -n "$$missing" ]; then \
	        echo "Installing: $$missing"; \
	        $(SUDO) apt-get update -qq && $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	    fi; \
	fi
endef

# $(call configure,PRESET): configures, or says what the build needs.
define configure
	@cmake --preset $(1) $(GENERATOR) >/dev/null || { \
	    echo "Configuring failed. The build needs a C++17 compiler, CMake 3.21 or newer, pkg-config and" >&2; \
	    echo "the development files of these libraries (pkg-config names): sdl2 gl glu libjpeg imgui stb." >&2; \
	    echo "See README.md, 'Building on other systems'." >&2; exit 1; }
endef

deps:
	$(call ensure,$(TEST_PACKAGES))
deps-build:
	$(call ensure,$(BUILD_PACKAGES))
deps-run:
	$(call ensure,$(BUILD_PACKAGES) $(RUN_PACKAGES) $(if $(DISPLAY),,$(HEADLESS_PACKAGES)))

release: deps
	$(call configure,release)
	cmake --build --preset release -j $(JOBS)

asan: deps
	$(call configure,asan)
	cmake --build --preset asan -j $(JOBS)

# Builds the game alone.
run: deps-run
	$(call configure,release)
	cmake --build --preset release -j $(JOBS) --target vortala
	@if [ -n "$$DISPLAY" ]; then ./build/release/vortala; \
	else echo "No display: playing the demo under Xvfb"; \
	    VORTALA_NO_DIALOGS=1 SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1024x768x24" \
	        ./build/release/vortala --script tools/demo.vsim && echo "Screenshot: build/demo.png"; fi

test: asan
	ctest --preset asan -j $(JOBS)

bench: release
	./build/release/bench/vortala-bench

assets:
	$(MAKE) -C tools/art

# The key table of src/app/KeyGuide.cpp into the README, the manual, the man page and the help page's
# source; redraw the help page afterwards with `make -C tools/art pictures`.
keys: release
	./build/release/vortala-keys write .

# Retakes the docs' screenshots: every script in tools/screens/ runs from here with the release
# build's game as its argument; then the manual's pictures are made again from the new screenshots.
screens: deps-run
	$(call ensure,$(HEADLESS_PACKAGES) librsvg2-bin imagemagick)
	$(call configure,release)
	cmake --build --preset release -j $(JOBS) --target vortala
	@for script in tools/screens/*.sh; do echo "== $$script"; sh "$$script" ./build/release/vortala || exit 1; done
	$(MAKE) -C tools/art manual

# Naming and function size over the game's sources (.clang-tidy); a few minutes on two cores.
tidy: release
	run-clang-tidy -j $(JOBS) -p build/release -quiet "$(CURDIR)/src/"
# The programs alone, optimised and hardened, from their own build folder (build/package).
.PHONY: package package-build install
PREFIX ?= /usr/local
package-build: deps-build
	$(call configure,package)
	cmake --build --preset package -j $(JOBS)

# vortala_<version>_amd64.deb, left in this folder for `sudo apt install ./vortala_*.deb`.
package: package-build
	$(call ensure,dpkg-dev)
	rm -f build/package/vortala_*.deb
	cd build/package && cpack
	cp build/package/vortala_*.deb .

# Installs under $(PREFIX) (the programs in $(PREFIX)/games); DESTDIR=... stages it elsewhere.
install: package-build
	cmake --install build/package --prefix $(PREFIX)

clean:
	rm -rf build
