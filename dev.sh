#!/usr/bin/env bash
# Builds, tests and runs the game on a Debian machine, installing what the build needs.
#   ./dev.sh test       build everything and run every test
#   ./dev.sh play       build the game and open its window
#   ./dev.sh sanitize   build and run the tests under AddressSanitizer and UBSan
#   ./dev.sh fuzz [S]   fuzz the script runner's reading of scripts for S seconds (60)
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libgl-dev fonts-lato)

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
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMAHJONGG_WERROR=ON "$@"
    cmake --build "$dir" --parallel
}

run_tests() { # run_tests DIR
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure --parallel "$(nproc)"
}

case "${1:-}" in
test)
    install_missing
    build build
    run_tests build
    ;;
sanitize)
    install_missing
    build build-sanitize -DMAHJONGG_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        run_tests build-sanitize
    ;;
fuzz)
    install_missing clang libclang-rt-14-dev
    CXX=clang++ build build-fuzz -DMAHJONGG_GUI=OFF -DMAHJONGG_TESTS=OFF -DMAHJONGG_BENCHMARKS=OFF \
        -DMAHJONGG_FUZZ=ON -DMAHJONGG_SANITIZE=ON
    mkdir -p build-fuzz/corpus
    ./build-fuzz/fuzz/script_fuzzer -max_total_time="${2:-60}" -timeout=10 -max_len=512 \
        build-fuzz/corpus fuzz/corpus
    ;;
play)
    install_missing
    build build
    exec ./build/src/mahjongg
    ;;
*)
    sed -n '2,6s/^# \{0,1\}//p' "$0"
    exit 2
    ;;
esac
