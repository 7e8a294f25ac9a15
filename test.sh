#!/usr/bin/env bash
# Installs what is missing, builds the developer preset and runs every test.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
QT_QPA_PLATFORM=offscreen ctest --preset dev "$@"
