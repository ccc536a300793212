#!/usr/bin/env bash
# Saves a PNG of each main window, drawn on a virtual X display, into the folder given
# (default: screenshots/). Needs a test build (./test.sh) and the xvfb package.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-screenshots}
mkdir -p "$out"
scripts/install-deps.sh xvfb
cmake --build build-test -j2 --target qvledger-screens
xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0 build-test/bin/qvledger-screens "$out"
