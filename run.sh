#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
# Installs what is missing, builds the program (release) and starts it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/bin/vovorudoroz "$@"
