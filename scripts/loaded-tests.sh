#!/usr/bin/env bash
# Runs the test suite (or some labels of it) several times while busy processes
# load every core, then names each test that failed at least once. A test that
# only passes on an idle machine shows up here long before it turns CI red.
#
#   scripts/loaded-tests.sh [-n runs] [-b busy processes] [-j ctest jobs] [label ...]
#
# Defaults: 3 runs, three busy processes per core, ctest -j (cores + cores/2).
# Labels are ctest labels (ctest --print-labels); none means the whole suite.
# The build tree is $BUILD (default build); it must be built already (make build).
set -uo pipefail
cd "$(dirname "$0")/.."

cores=$(nproc)
runs=3
busy=$((cores * 3))
jobs=$((cores + cores / 2))
while getopts "n:b:j:" opt; do
  case $opt in
    n) runs=$OPTARG ;;
    b) busy=$OPTARG ;;
    j) jobs=$OPTARG ;;
    *) sed -n '5,9p' "$0" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))

build=${BUILD:-build}
[ -f "$build/CTestTestfile.cmake" ] || { echo "no test tree in $build: run make build first" >&2; exit 2; }

label_args=()
if [ $# -gt 0 ]; then
  regex=$(IFS='|'; echo "$*")
  label_args=(-L "^($regex)\$")
fi

pids=()
stop_load() { [ ${#pids[@]} -gt 0 ] && kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; }
trap stop_load EXIT INT TERM
for _ in $(seq "$busy"); do
  ( while :; do :; done ) &
  pids+=($!)
done
echo "load: $busy busy processes on $cores cores; ctest -j $jobs; $runs runs${label_args:+; labels $*}"

failures=$(mktemp)
for run in $(seq "$runs"); do
  start=$(date +%s)
  rm -f "$build/Testing/Temporary/LastTestsFailed.log"
  ( cd "$build" && CI=1 ALSOFT_DRIVERS=null QT_QPA_PLATFORM=offscreen \
      xvfb-run -a -s "-screen 0 1280x1024x24" \
      ctest -j "$jobs" --timeout 600 "${label_args[@]}" >"Testing/loaded-run-$run.log" 2>&1 )
  failed=0
  if [ -f "$build/Testing/Temporary/LastTestsFailed.log" ]; then
    cut -d: -f2- "$build/Testing/Temporary/LastTestsFailed.log" >>"$failures"
    failed=$(wc -l <"$build/Testing/Temporary/LastTestsFailed.log")
  fi
  echo "run $run: $failed failed in $(( $(date +%s) - start )) s (log: $build/Testing/loaded-run-$run.log)"
done

if [ -s "$failures" ]; then
  echo "tests that failed at least once (times failed, test):"
  sort "$failures" | uniq -c | sort -rn
  rm -f "$failures"
  exit 1
fi
rm -f "$failures"
echo "no test failed"
