#!/bin/sh
# Builds the two programs from the package preset (optimised, hardened, without tests), exactly
# as `make package` does, for the install and package checks. The test build's programs carry
# the sanitizers' libraries, so they cannot stand in for the packaged ones.
set -eu
cd "$1"
if [ ! -f build/package/CMakeCache.txt ] && command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}"
fi
cmake --preset package >/dev/null
cmake --build --preset package
