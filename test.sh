#!/usr/bin/env bash
# Installs what the build needs, builds everything and runs every test; then builds the tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer (with clang, together with the
# fuzz targets of the file readers), runs them once more, and fuzzes each reader for a while.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
fuzz_seconds=${FUZZ_SECONDS:-60}

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNO_BUILD_TESTS=ON >/dev/null
cmake --build build --parallel "$jobs"
ctest --test-dir build --no-tests=error --output-on-failure --parallel "$jobs"
# Each test program also runs once whole, in shuffled order, so that a test that passes only
# alone or only after another is found.
run_whole_shuffled() {
    for program in "$1"/tests/*_tests; do
        "$program" --gtest_shuffle --gtest_brief=1
    done
}
run_whole_shuffled build
# The offscreen platform runs no drag and drop: the form kit's tests run once more on a virtual
# display, where a text dragged within a box is really dropped.
QT_QPA_PLATFORM=xcb xvfb-run -a build/tests/forms_tests --gtest_shuffle --gtest_brief=1

sanitizer_options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNO_BUILD_TESTS=ON -DVARNO_SANITIZE=ON -DVARNO_BUILD_BENCH=OFF)
fuzz=0
if command -v clang++ >/dev/null; then
    sanitizer_options+=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVARNO_FUZZ=ON)
    fuzz=1
fi
cmake -S . -B build-asan "${sanitizer_options[@]}" >/dev/null
cmake --build build-asan --parallel "$jobs"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --no-tests=error --output-on-failure --parallel "$jobs"
run_whole_shuffled build-asan

if [ "$fuzz" = 1 ]; then
    # The whole-file readers, then the readers of one part of a file (header, section, town).
    for target in load part; do
        for layout in 0 1 2; do
            corpus="fuzz/corpus/layout$layout"
            [ "$target" = part ] && corpus="fuzz/corpus/part_layout$layout"
            grown=$(mktemp -d)
            echo "Fuzzing the $target reader of layout $layout for ${fuzz_seconds}s"
            # A crash, a hang (over 10 s on one input) or a leak ends the run with an error.
            ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
                "build-asan/fuzz/fuzz_${target}_layout$layout" "$grown" "$corpus" \
                -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=4096 \
                -print_final_stats=1 2>&1 | tail -n 12
            rm -rf "$grown"
        done
    done
    grown=$(mktemp -d)
    echo "Fuzzing the round trip through a save for ${fuzz_seconds}s"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        build-asan/fuzz/fuzz_round_trip "$grown" fuzz/corpus/layout0 fuzz/corpus/layout1 \
        fuzz/corpus/layout2 fuzz/corpus/flagnames \
        -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
        2>&1 | tail -n 12
    rm -rf "$grown"
fi
