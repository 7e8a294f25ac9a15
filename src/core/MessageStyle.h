// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

// The buttons a message box offers.
enum class MsgButtons {
    Ok,
    YesNo, // Yes is the default; the box closes only on a choice
};

// The icon beside a message.
enum class MsgIcon {
    None,
    Information,
};

// The button the pupil pressed.
enum class MsgAnswer {
    Ok,
    Yes,
    No,
};

// How a message box looks: its buttons and its icon.
struct MessageStyle
{
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;

    friend bool operator==(const MessageStyle &, const MessageStyle &) = default;
};

// The styles the screens' rules name.
namespace MsgBox {
inline constexpr MessageStyle OkOnly { MsgButtons::Ok, MsgIcon::None };
inline constexpr MessageStyle YesNoInformation { MsgButtons::YesNo, MsgIcon::Information };
} // namespace MsgBox
