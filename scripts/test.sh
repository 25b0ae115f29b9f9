#!/usr/bin/env bash
# The one test command: builds and runs every test, then the same tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer. Exits non-zero on any
# failure.
set -euo pipefail
cd "$(dirname "$0")/.."
JOBS="$(nproc)"
# Build folders; may be overridden to keep a second copy apart.
BUILD="${QUARNEL_BUILD_DIR:-build}"
ASAN="${QUARNEL_ASAN_DIR:-build-asan}"

echo "== Build and test ($BUILD/) =="
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUARNEL_BUILD_QT=ON -DQUARNEL_BUILD_TESTS=ON -DQUARNEL_BUILD_BENCH=ON
cmake --build "$BUILD" -j"$JOBS"
(cd "$BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$JOBS")

echo "== Build and test with sanitizers ($ASAN/) =="
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=0:detect_leaks=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
cmake -S . -B "$ASAN" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUARNEL_SANITIZE=ON -DQUARNEL_BUILD_QT=OFF -DQUARNEL_BUILD_BENCH=OFF -DQUARNEL_BUILD_TESTS=ON
cmake --build "$ASAN" -j"$JOBS"
# Every report stops the test process (halt_on_error, built without
# recovery), so any report fails its test and this run.
(cd "$ASAN" && ctest --output-on-failure -j"$JOBS")

# ---------------------------------------------------------------------------
# FUZZING (to be filled in): when clang is present, configure a build dir with
# -DQUARNEL_FUZZ=ON (CC=clang CXX=clang++), build the libFuzzer target and run
# it for a bounded time here, failing on any crash.
# ---------------------------------------------------------------------------

echo "All tests passed."
