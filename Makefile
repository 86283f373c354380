# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
# Each installs any missing Debian package first, then configures, builds and runs.

DEBIAN_PACKAGES := cmake ninja-build g++ pkg-config libgtest-dev libbenchmark-dev \
    libsdl2-dev libimgui-dev fonts-dejavu-core libglu1-mesa-dev libjpeg62-turbo-dev libstb-dev libgl1-mesa-dri libegl1 libegl-mesa0 \
    xvfb xauth xdotool openbox x11-utils clang libclang-rt-14-dev
DEBIAN_PACKAGES += python3 clang-format clang-tidy  # the include, format and tidy checks
DEBIAN_PACKAGES += lintian desktop-file-utils appstream dpkg-dev man-db ccache  # the package and its checks
DEBIAN_PACKAGES += openmpi-bin libopenmpi-dev  # the simulator's MPI build and its test
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)

.PHONY: run test deps release asan bench assets tidy clean

deps:
	@missing=$$(for p in $(DEBIAN_PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing: $$missing"; \
	    $(SUDO) apt-get update -qq && $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

release: deps
	cmake --preset release >/dev/null
	cmake --build --preset release -j $(JOBS)

asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)

run: release
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

# Naming and function size over the game's sources (.clang-tidy); a few minutes on two cores.
tidy: release
	run-clang-tidy -j $(JOBS) -p build/release -quiet "$(CURDIR)/src/"
# The programs alone, optimised and hardened, from their own build folder (build/package).
.PHONY: package package-build install
PREFIX ?= /usr/local
package-build: deps
	cmake --preset package >/dev/null
	cmake --build --preset package -j $(JOBS)

# vortala_<version>_amd64.deb, left in this folder for `sudo apt install ./vortala_*.deb`.
package: package-build
	rm -f build/package/vortala_*.deb
	cd build/package && cpack
	cp build/package/vortala_*.deb .

# Installs under $(PREFIX) (the programs in $(PREFIX)/games); DESTDIR=... stages it elsewhere.
install: package-build
	cmake --install build/package --prefix $(PREFIX)

clean:
	rm -rf build
