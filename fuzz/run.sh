#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (plus AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each for SECONDS
# (default 120). New inputs go to build-fuzz/corpus/; a failing input is
# written as build-fuzz/crash-*. Keep only small, telling inputs in
# fuzz/corpus/ (libFuzzer's -merge=1 picks them).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
wingmap_install_missing clang libclang-rt-14-dev
seconds=${1:-120}

cmake -S . -B build-fuzz --log-level=WARNING -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_COMPILER=clang++ -DWINGMAP_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz -j2 --target number_text_fuzz hesapla_fuzz -- --no-print-directory

for target in number_text hesapla; do
    mkdir -p "build-fuzz/corpus/$target"
    echo "== $target: ${seconds}s"
    (cd build-fuzz && ./fuzz/${target}_fuzz -max_total_time="$seconds" -timeout=5 \
        -max_len=4096 -print_final_stats=1 "corpus/$target" "../fuzz/corpus/$target")
done
