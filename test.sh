#!/usr/bin/env bash
# Installs what is missing, builds with the address and undefined-behaviour sanitizers,
# and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")"
# LibreOffice and poppler print the reports to PDF and read the pages back in the tests.
scripts/install-deps.sh libreoffice-calc poppler-utils
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DQVLEDGER_ASAN=ON
cmake --build build-test -j2
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 900
