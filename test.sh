#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
# Installs what is missing, builds the developer preset and runs every test, the end-to-end
# cases included (ctest --preset dev -LE e2e is the quick inner loop without them).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
scripts/setup.sh scripts/packages.txt scripts/packages-e2e.txt
cmake --preset dev >/dev/null
cmake --build --preset dev
QT_QPA_PLATFORM=offscreen ctest --preset dev "$@"
