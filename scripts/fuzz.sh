#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs each for SECONDS, one at a
# time with one worker. Exits non-zero when a target finds a crash, a hang or a leak; the
# input that did it is left in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -ne 1 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
    echo "usage: scripts/fuzz.sh SECONDS" >&2
    exit 2
fi
seconds=$1

scripts/install-deps.sh
missing=()
for p in clang libclang-rt-14-dev; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -ne 0 ]; then
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -q
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

targets=(fuzz-access-sql fuzz-xls-reader fuzz-version-notice)
declare -A seeds=(
    [fuzz-access-sql]=tests/fuzz/corpus/sql
    [fuzz-xls-reader]=tests/fuzz/corpus/xls
    [fuzz-version-notice]=tests/fuzz/corpus/http
)

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQVLEDGER_FUZZ=ON -DQVLEDGER_TESTS=OFF
cmake --build build-fuzz -j2 --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
failed=0
for target in "${targets[@]}"; do
    work=build-fuzz/corpus/$target
    findings=build-fuzz/findings/$target
    mkdir -p "$work" "$findings"
    echo "== $target for ${seconds}s"
    if ! build-fuzz/bin/"$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix="$findings/" \
        "$work" "${seeds[$target]}"; then
        echo "== $target: finding in $findings" >&2
        failed=1
    fi
done
exit $failed
