#!/usr/bin/env bash
# Installs what is missing, builds, and opens Wingmap.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
wingmap_install_missing
wingmap_build build
exec ./build/wingmap
