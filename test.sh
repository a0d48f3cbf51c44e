#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
wingmap_install_missing
wingmap_ensure_locale
wingmap_build build
ctest --test-dir build --output-on-failure -j2
