// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QRect>

// Layout on screen and paper is given in twips, 1440 to the inch. Widgets work in logical
// pixels at 96 per inch (15 twips each); a printer works in its own device units.
namespace Twips {

constexpr int PerInch = 1440;
constexpr int PerLogicalPixel = 15;

int toPixels(int twips);
QRect toPixels(int left, int top, int width, int height);
double toDevice(double twips, int dotsPerInch);

} // namespace Twips
