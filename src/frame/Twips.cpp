// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "frame/Twips.h"

#include <cmath>

namespace Twips {

int toPixels(int twips)
{
    return static_cast<int>(std::lround(twips / static_cast<double>(PerLogicalPixel)));
}

QRect toPixels(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

double toDevice(double twips, int dotsPerInch)
{
    return twips * dotsPerInch / PerInch;
}

} // namespace Twips
