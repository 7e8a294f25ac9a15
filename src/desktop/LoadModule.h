// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include <QtGlobal>
#include <memory>

// The entry point of a module in the program folder, looked up by name; null when the module
// or the entry point is missing. The module stays loaded until the program ends.
QFunctionPointer moduleEntry(const char *moduleName, const char *entrySymbol);

// Loads a module (its file name without the platform's prefix and suffix) from the program
// folder only, by full path, and creates its one object through the entry point, which returns
// a new T; null when the module cannot be loaded.
template <typename T> std::unique_ptr<T> loadModule(const char *moduleName, const char *entrySymbol)
{
    const auto create = reinterpret_cast<T *(*)()>(moduleEntry(moduleName, entrySymbol));
    return std::unique_ptr<T>(create ? create() : nullptr);
}
