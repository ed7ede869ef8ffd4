#!/usr/bin/env bash
# Builds the fuzz targets (clang with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer), runs each
# for the given number of seconds (default 60) and then replays the committed corpus and every crash
# reproducer in fuzz/regressions/. "scripts/fuzz.sh 0" only builds and replays (used by CI).
#   FUZZ_TARGETS="fuzz_calculation ..."  run only these targets
#   FUZZ_BUILD_DIR=...                   build directory (default build-fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."
RUN_SECONDS=${1:-60}
BUILD_DIR=${FUZZ_BUILD_DIR:-build-fuzz}
# Every target of fuzz/ by default, so that a new reader's target is replayed without being listed here.
DEFAULT_TARGETS=$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//' | tr '\n' ' ')
TARGETS=(${FUZZ_TARGETS:-$DEFAULT_TARGETS})

scripts/install-deps.sh clang libclang-rt-14-dev
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/hygrolux-ccache}
export CCACHE_BASEDIR=$PWD
CC=clang CXX=clang++ cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHYGROLUX_FUZZ=ON \
    -DHYGROLUX_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD_DIR" --target "${TARGETS[@]}" -j "$(nproc)"

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

dictionary() {
    case $1 in
    fuzz_project_xml) echo "-dict=fuzz/dictionaries/project_xml.dict" ;;
    fuzz_project_legacy | fuzz_legacy_material_list) echo "-dict=fuzz/dictionaries/legacy.dict" ;;
    esac
}

failed=()
if [ "$RUN_SECONDS" -gt 0 ]; then
    for t in "${TARGETS[@]}"; do
        work="$BUILD_DIR/fuzz-work/$t"
        mkdir -p "$work/corpus" "$work/artifacts"
        echo "=== $t: fuzzing for $RUN_SECONDS s"
        if ! "$BUILD_DIR/fuzz/$t" "$work/corpus" "fuzz/corpus/$t" $(dictionary "$t") -max_total_time="$RUN_SECONDS" \
            -timeout=60 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
            >"$work/log.txt" 2>&1; then
            failed+=("$t (see $work/log.txt and $work/artifacts/)")
        fi
        grep -E '^#[0-9]+[[:space:]]+DONE' "$work/log.txt" || tail -n 5 "$work/log.txt"
    done
fi

for t in "${TARGETS[@]}"; do
    mapfile -t inputs < <(find "fuzz/corpus/$t" "fuzz/regressions/$t" -type f 2>/dev/null | sort)
    [ ${#inputs[@]} -eq 0 ] && continue
    if "$BUILD_DIR/fuzz/$t" -timeout=60 -rss_limit_mb=2048 "${inputs[@]}" >"$BUILD_DIR/replay-$t.log" 2>&1; then
        echo "replay $t: ${#inputs[@]} inputs passed"
    else
        failed+=("replay $t (see $BUILD_DIR/replay-$t.log)")
        tail -n 30 "$BUILD_DIR/replay-$t.log"
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    printf 'FAILED: %s\n' "${failed[@]}"
    exit 1
fi
echo "fuzz: all targets clean"
