#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs each (or the named ones) for
# SECONDS, one at a time with one worker. A target keeps going after a finding, so it runs
# its whole time; the script exits non-zero when any target found a crash, a hang or a leak,
# and the inputs that did it are left in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
    echo "usage: scripts/fuzz.sh SECONDS [TARGET...]" >&2
    exit 2
fi
seconds=$1
shift

scripts/install-deps.sh clang libclang-rt-14-dev

all_targets=(fuzz-access-sql fuzz-xls-reader fuzz-version-notice)
targets=("${@:-${all_targets[@]}}")
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
export LSAN_OPTIONS=suppressions=$PWD/tests/fuzz/lsan.supp
failed=0
for target in "${targets[@]}"; do
    work=build-fuzz/corpus/$target
    findings=build-fuzz/findings/$target
    rm -rf "$findings"
    mkdir -p "$work" "$findings"
    echo "== $target for ${seconds}s"
    build-fuzz/bin/"$target" -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
        -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$work" "${seeds[$target]}" || failed=1
    if [ -n "$(ls -A "$findings")" ]; then
        echo "== $target: findings in $findings" >&2
        failed=1
    fi
done
exit $failed
