// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// The store module: the register and the school server, for the program to load on first need.

#include "desktop/store/SqlRegisterStore.h"

extern "C" Q_DECL_EXPORT RegisterStore *vovorudorozCreateRegisterStore()
{
    return new SqlRegisterStore;
}
