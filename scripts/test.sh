#!/bin/sh
# Installs what is missing, builds everything with warnings as errors under
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test.
set -eu
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/install-deps.sh"
cmake -S "$ROOT" -B "$ROOT/build-test" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DTARVO_SANITIZE=ON -DTARVO_WERROR=ON
cmake --build "$ROOT/build-test"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$ROOT/build-test"
ctest --output-on-failure --timeout 120 -j2
