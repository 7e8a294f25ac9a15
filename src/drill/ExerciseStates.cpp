// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "drill/ExerciseStates.h"

#include <array>

namespace Exercise {

const StateView &stateView(State state)
{
    const QString ready = QStringLiteral(" Digita il risultato");
    // clang-format off
    static const std::array<StateView, 6> views { {
        //  exit   report verify next-op next-ex keypad
        { true,  false, false, false, false, true,  ready, Focus::Answer, false },
        { false, false, false, false, false, true,  ready, Focus::Answer, false },
        { false, false, true,  false, false, true,
          QStringLiteral("Clicca sul pulsante Verifica"), Focus::Unchanged, false },
        { false, false, false, true,  false, false,
          QStringLiteral("Clicca sul pulsante Nuova sottrazione"), Focus::NextOperation, false },
        { true,  true,  false, false, true,  false,
          QStringLiteral("Clicca sul pulsante Nuovo esercizio"), Focus::NextExercise, true },
        { true,  true,  false, false, false, false, QString(), Focus::Unchanged, true },
    } };
    // clang-format on
    return views.at(static_cast<std::size_t>(state));
}

} // namespace Exercise
