// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// Writes the right-answer chime as a WAV file: make_chime <output.wav>
#include "Chime.h"

#include <iostream>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::cerr << "usage: make_chime <output.wav>\n";
        return 2;
    }
    const auto bytes = chime::waveFile(chime::toPcm16(chime::render()), chime::sampleRate);
    if (!chime::writeFile(argv[1], bytes)) {
        std::cerr << "make_chime: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
