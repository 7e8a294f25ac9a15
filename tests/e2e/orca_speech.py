# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
"""What the screen reader speaks, read from its debug file while it runs (see orca.sh)."""

import re
import time

from vovo_atspi import Failure, keys, pump

# The spoken text in quotes, then straight after it Orca's voice settings (a dictionary). The
# echo of a pressed key has a blank before them: it is left out.
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\S+)?\{")


# What the program asks speech-dispatcher to say, in its log at level 5 (see speech.sh).
QUEUED = re.compile(r"Queueing message \|(.*)\| with priority")


class Speech:
    """Every string Orca has spoken (or, with QUEUED, speech-dispatcher was asked to say), in
    order, without the echo of the keys; new ones are read on each call. The file may appear
    only with the first word said."""

    def __init__(self, path, spoken=SPOKEN):
        self.path = path
        self.spoken = spoken
        self.file = None
        self.lines = []
        self._partial = ""

    def read(self):
        if self.file is None:
            try:
                self.file = open(self.path, encoding="utf-8", errors="replace")
            except FileNotFoundError:
                return self.lines
        self._partial += self.file.read()
        *complete, self._partial = self._partial.split("\n")
        for line in complete:
            found = self.spoken.search(line)
            if found:
                self.lines.append(found.group(1))
        return self.lines

    def mark(self):
        """Where the next spoken line will be."""
        return len(self.read())

    def after_keys(self, *names):
        """Presses keys; returns where what they make Orca say begins."""
        since = self.mark()
        keys(*names)
        return since

    def hear(self, what, pattern, since, timeout=15.0):
        """The first line from since on that matches pattern whole: (its index, the match)."""
        index = self.wait_for(what, lambda line: re.fullmatch(pattern, line), since, timeout)
        return index, re.fullmatch(pattern, self.lines[index])

    def wait_for(self, what, wanted, since, timeout=15.0):
        """The index of the first line from since on that wanted(line) accepts."""
        deadline = time.monotonic() + timeout
        while True:
            pump()
            lines = self.read()
            for index in range(since, len(lines)):
                if wanted(lines[index]):
                    return index
            if time.monotonic() > deadline:
                heard = lines[since:]
                raise Failure(f"Not heard: {what}, within {timeout:.0f} s; it said {heard}")
            time.sleep(0.1)
