// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QPixmap>
#include <QString>

// A PNG picture read as PNG and nothing else: Qt would otherwise ask every image plugin whether
// the file is one of theirs, loading them all. A null pixmap when the file is not a PNG.
QPixmap pngPicture(const QString &path);
