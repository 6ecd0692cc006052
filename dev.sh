#!/usr/bin/env bash
# Builds, tests and runs the game on a Debian machine, installing what the build needs.
#   ./dev.sh test       build everything with GCC and run every test
#   ./dev.sh repeat [N] run the GUI tests of that build N times over (5), pinned to one core
#   ./dev.sh play       build the game and open its window
#   ./dev.sh sanitize   build and run the tests under AddressSanitizer and UBSan
#   ./dev.sh clang      build everything with clang and run every test
#   ./dev.sh release    a Release build with the default options, as a user or packager makes it
#   ./dev.sh core       the core alone, without Qt, with GCC and with clang, and its tests
#   ./dev.sh fuzz [S]   fuzz the script runner for S seconds (60)
#   ./dev.sh format     check that every C++ file is as clang-format leaves it
# Warnings are errors in every build here but the release one, which fails on any warning too.
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libgl-dev libxcb1-dev fonts-lato
          # the X11 tests: an X server of their own, a window manager and the X utilities
          xvfb openbox x11-xserver-utils x11-utils xdotool)
jobs=$(nproc)

install_missing() {
    local missing=()
    for p in "${packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    if ((${#missing[@]})); then
        local sudo=()
        [[ $(id -u) -eq 0 ]] || sudo=(sudo)
        "${sudo[@]}" apt-get update -qq
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

build() { # build DIR [cmake options...]
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMAHJONGG_WERROR=ON \
        -DMAHJONGG_X11_TESTS=ON "$@"
    cmake --build "$dir" --parallel "$jobs"
}

run_tests() { # run_tests DIR
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure --parallel "$jobs" \
        --no-tests=error
}

case "${1:-}" in
test)
    install_missing
    build build
    run_tests build
    ;;
repeat)
    install_missing util-linux # taskset
    build build
    # On one core, where a test that races the clock loses soonest. The whole game, which
    # plays for 40 seconds on the real timers, runs once in every other command.
    QT_QPA_PLATFORM=offscreen taskset -c 0 ctest --test-dir build --output-on-failure \
        --parallel 4 --no-tests=error -L gui -E WholeGameOnScreen --repeat "until-fail:${2:-5}"
    ;;
sanitize)
    install_missing
    build build-sanitize -DMAHJONGG_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        run_tests build-sanitize
    ;;
clang)
    install_missing clang
    CXX=clang++ build build-clang
    run_tests build-clang
    ;;
release)
    install_missing
    # Exactly what the README tells a user: the default generator and options, no -Werror.
    rm -rf build-release
    cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
    cmake --build build-release --parallel "$jobs" 2>&1 | tee build-release/build.log
    if grep -n "warning:" build-release/build.log; then
        echo "the Release build gave warnings" >&2
        exit 1
    fi
    run_tests build-release
    ;;
core)
    install_missing clang
    build build-core -DMAHJONGG_GUI=OFF
    run_tests build-core
    CXX=clang++ build build-core-clang -DMAHJONGG_GUI=OFF
    run_tests build-core-clang
    ;;
fuzz)
    install_missing clang libclang-rt-14-dev
    CXX=clang++ build build-fuzz -DMAHJONGG_GUI=OFF -DMAHJONGG_TESTS=OFF -DMAHJONGG_BENCHMARKS=OFF \
        -DMAHJONGG_FUZZ=ON -DMAHJONGG_SANITIZE=ON
    # The code under test must feed coverage back to the fuzzer, not only the target.
    # (grep -c reads all that nm writes: with pipefail, grep -q could end nm with SIGPIPE.)
    if ! nm build-fuzz/src/CMakeFiles/mahjongg-script-lib.dir/script/runner.cpp.o |
        grep -c __sanitizer_cov >/dev/null; then
        echo "the script runner carries no coverage instrumentation" >&2
        exit 1
    fi
    # Inputs that once crashed or hung the target must run cleanly first.
    ./build-fuzz/fuzz/script_fuzzer -timeout=10 fuzz/regressions/*
    mkdir -p build-fuzz/corpus
    ./build-fuzz/fuzz/script_fuzzer -max_total_time="${2:-60}" -timeout=10 -max_len=4096 \
        -print_final_stats=1 build-fuzz/corpus fuzz/corpus
    ;;
format)
    install_missing clang-format
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
    ;;
play)
    install_missing
    build build
    exec ./build/src/mahjongg
    ;;
*)
    sed -n '2,11s/^# \{0,1\}//p' "$0"
    exit 2
    ;;
esac
