# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
# Each installs any missing Debian package first, then configures, builds and runs.

DEBIAN_PACKAGES := cmake ninja-build g++ pkg-config libgtest-dev libbenchmark-dev \
    libsdl2-dev libjpeg62-turbo-dev clang libclang-rt-14-dev
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)

.PHONY: run test deps release asan bench assets clean

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
	./build/release/vortala-sim rtp --games 1000000

test: asan
	ctest --preset asan -j $(JOBS)

bench: release
	./build/release/bench/vortala-bench

assets:
	$(MAKE) -C tools/art

clean:
	rm -rf build
