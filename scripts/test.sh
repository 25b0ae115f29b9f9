#!/usr/bin/env bash
# The one test command: checks that every include points down the layer
# order, builds and runs every test, then the same tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer. Exits non-zero on any
# failure.
set -euo pipefail
cd "$(dirname "$0")/.."

echo "== Include check =="
bash scripts/check-includes.sh
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
# The Qt window and its tests are built with the sanitizers too (they run
# offscreen); leak detection stays on for every test.
cmake -S . -B "$ASAN" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUARNEL_SANITIZE=ON -DQUARNEL_BUILD_QT=ON -DQUARNEL_BUILD_BENCH=OFF -DQUARNEL_BUILD_TESTS=ON
cmake --build "$ASAN" -j"$JOBS"
# Every report stops the test process (halt_on_error, built without
# recovery), so any report fails its test and this run.
(cd "$ASAN" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$JOBS")

# ---------------------------------------------------------------------------
# Fuzzing: when clang is present, the libFuzzer target of the protocol loader
# runs for 60 seconds on a copy of the example protocol files. A crash, a hang
# (one input over 10 s) or any sanitizer report stops it with a non-zero exit.
# ---------------------------------------------------------------------------
FUZZ="${QUARNEL_FUZZ_DIR:-build-fuzz}"
if command -v clang++ >/dev/null 2>&1 && command -v clang >/dev/null 2>&1; then
  echo "== Fuzz the protocol loader ($FUZZ/) =="
  CC=clang CXX=clang++ cmake -S . -B "$FUZZ" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUARNEL_FUZZ=ON -DQUARNEL_BUILD_QT=OFF -DQUARNEL_BUILD_TESTS=OFF -DQUARNEL_BUILD_BENCH=OFF
  cmake --build "$FUZZ" -j"$JOBS" --target fuzz_protokoll
  CORPUS="$(mktemp -d)"
  trap 'rm -rf "$CORPUS"' EXIT
  cp tests/data/protokolle/* "$CORPUS"/
  "$FUZZ/fuzz/fuzz_protokoll" -max_total_time=60 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$FUZZ/" "$CORPUS"
else
  echo "== clang not found: fuzzing skipped =="
fi

echo "All tests passed."
