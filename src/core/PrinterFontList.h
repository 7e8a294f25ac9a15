// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The printer's font list where the platform's printers have none of their own: the installed
// families without the foundry suffixes fontconfig adds (" [urw]") and without duplicates,
// plus "Courier New" and "Courier" when the font system maps those names to a face with the
// same metrics. resolvedFamily tells which family a requested name really gets.
QStringList printerFontList(const QStringList &installedFamilies,
    const std::function<QString(const QString &)> &resolvedFamily);

// Faces whose glyph widths match Courier and Courier New, so record lines keep their columns.
bool isCourierCompatible(const QString &family);
