#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: once as
# built for use (g++), and once built with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer under a comma-decimal locale.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
wingmap_install_missing
wingmap_ensure_locale

wingmap_build build
ctest --test-dir build --output-on-failure -j2

echo "== The same suite built with clang and sanitizers, under LC_ALL=de_DE.UTF-8 =="
wingmap_build build-asan -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DWINGMAP_SANITIZE=ON
LC_ALL=de_DE.UTF-8 ASAN_OPTIONS=abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j2
