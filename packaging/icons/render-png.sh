#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
# Renders the committed PNG icons from the hand-drawn SVG. Run after editing the SVG
# (needs rsvg-convert, Debian package librsvg2-bin); the build itself only copies the PNGs.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/hicolor"
svg=scalable/apps/org.vovorudoroz.Vovorudoroz.svg
for size in 16 32 48 64 128 256; do
    mkdir -p "${size}x${size}/apps"
    rsvg-convert --width "$size" --height "$size" "$svg" \
        --output "${size}x${size}/apps/org.vovorudoroz.Vovorudoroz.png"
done
