#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --test
export QT_QPA_PLATFORM=offscreen
# One compile or test job per core: ninja's default would run three on two cores.
jobs=$(nproc)
export CMAKE_BUILD_PARALLEL_LEVEL=$jobs CTEST_PARALLEL_LEVEL=$jobs
# A test that hangs fails after ten minutes instead of holding the run up.

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVENTRIMO_WERROR=ON >/dev/null
cmake --build build --target format-check
cmake --build build
ctest --test-dir build --output-on-failure --timeout 600

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer. -O1 without full
# debug information keeps the instrumented build quick; line tables still name the culprit.
cmake -S . -B build-asan -G Ninja -DVENTRIMO_SANITIZE=ON -DVENTRIMO_WERROR=ON \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O1 -g1" >/dev/null
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure --timeout 600

# The fuzz targets, built by clang, each run for a bounded number of inputs.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DVENTRIMO_FUZZ=ON \
  -DVENTRIMO_TESTS=OFF -DVENTRIMO_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target ventrimo_fuzzers
ctest --test-dir build-fuzz/fuzz --output-on-failure --timeout 600

# The Windows build under Wine, only when Qt for Windows is already built: building it takes
# longer than a test run should (scripts/windows.sh does).
if scripts/windows-qt.sh --print-prefix-if-built >/dev/null; then
  scripts/windows.sh --test
else
  echo "Skipping the Windows tests: Qt for Windows is not built yet (scripts/windows.sh builds it)"
fi
