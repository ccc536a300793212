#!/usr/bin/env bash
# Installs what is missing, builds, makes an empty data.db beside the program when
# there is none, and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVLEDGER_TESTS=OFF
cmake --build build -j2
build/bin/qvledger-mkdb build/bin/data.db
exec build/bin/qvledger
