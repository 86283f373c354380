#!/usr/bin/env sh
# Every C++ source follows the project's .clang-format; prints the files that drift.
cd "$(dirname "$0")/.." || exit 1
files=$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h' 'bench/*.cpp' 'bench/*.h' 2>/dev/null)
[ -n "$files" ] || files=$(find src tests tools bench -name '*.cpp' -o -name '*.h')
# shellcheck disable=SC2086
clang-format --dry-run -Werror $files
