# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
"""Starts the screen reader with its debug file written line by line, so that what it
speaks can be read while it runs (it opens that file with Python's default buffering).

    orca_logged.py DEBUG_FILE
"""

import builtins
import runpy
import sys

debug_file = sys.argv[1]
plain_open = builtins.open


def open_line_buffered(file, mode="r", *args, **kwargs):
    if file == debug_file and "w" in mode:
        return plain_open(file, mode, 1, encoding="utf-8")
    return plain_open(file, mode, *args, **kwargs)


builtins.open = open_line_buffered
sys.argv = ["/usr/bin/orca", "--debug-file", debug_file]
runpy.run_path("/usr/bin/orca", run_name="__main__")
