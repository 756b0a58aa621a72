#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and the address and undefined-behaviour
# sanitizers, and runs every test offscreen through ctest.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/dependances.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DKINOBRAL_SANITIZE=ON -DKINOBRAL_WERROR=ON -DKINOBRAL_TESTS=ON >/dev/null
cmake --build build-test --parallel "$(nproc)"

export QT_QPA_PLATFORM=offscreen
cd build-test
ctest --output-on-failure --parallel "$(nproc)" "$@"
