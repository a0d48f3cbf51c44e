#!/usr/bin/env bash
# Installs what is missing, builds the program, and opens Wingmap. It prints
# nothing when all is installed and up to date.
set -euo pipefail
cd "$(dirname "$0")"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Wingmap opens a window, so it needs a graphical session: neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
    exit 1
fi
source scripts/setup.sh
wingmap_install_missing
wingmap_build_program build
exec ./build/wingmap
