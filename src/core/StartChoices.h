// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>
#include <array>

// What the start screen offers: the six number ranges, the three exercise modes and the rules
// for the pupil's name. Colours are colour values (red + 256 x green + 65536 x blue).
namespace StartChoices {

constexpr int colourValue(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

// One range button. low and high only announce the range; the level (the button's number)
// decides which numbers are drawn, so two ranges announce less than their captions say.
struct Range
{
    QString caption;
    int low;
    int high;
};

// One entry of the mode list.
struct Mode
{
    QString listText;
    int askedTermLow; // 1 difference, 2 minuend, 3 subtrahend
    int askedTermHigh;
    int screenColour; // the exercise screen, its operation panel and answer box
    int buttonColour; // the exercise screen's panels and buttons
    QString caption; // the exercise screen's mode banner
};

constexpr int RangeCount = 6;
constexpr int ModeCount = 3;

// Range buttons 1..6 at indices 0..5.
const std::array<Range, RangeCount> &ranges();
// Mode list positions 0..2.
const std::array<Mode, ModeCount> &modes();

// The answer box's text colour in every mode: "&H00004080".
constexpr int AnswerTextColour = 0x4080;

constexpr int NameMaxLength = 15;

// The name with every digit taken out.
QString withoutDigits(const QString &text);
// A name that is empty or made only of blanks is not a name.
bool isMissingName(const QString &name);

} // namespace StartChoices
