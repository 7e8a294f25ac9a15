// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

#include "frame/Clock.h"
#include "frame/Messages.h"
#include "frame/Printing.h"

#include <QString>
#include <concepts>
#include <functional>

class Clock;
class Messages;
class PageDrawing;

// One page a screen hands out: what it is, whose it is, and how to draw it. draw is called
// between the start and the end of the page with the page to draw on (text lines or a
// window's image); it is the same drawing for paper and for a PDF file.
struct PrintPage
{
    QString kind; // the first word of the saved file's name: "Operazioni", "Attestato"
    QString pupilName; // as the screens show it
    std::function<void(PageDrawing &)> draw;
};

// The ways a page leaves the program, with everything the pupil is told on the way. Every
// message goes through the services' message box; success is silent.
namespace PagePrinting {

// The roles a page needs on its way out: the printer and the files, the messages, and today's
// date for a saved file's name. Made from anything that plays all three, such as the services.
struct Roles
{
    template <class AllRoles>
    requires std::derived_from<AllRoles, Printing> && std::derived_from<AllRoles,
        Messages> && std::derived_from<AllRoles, Clock>
    Roles(AllRoles &all) : printing(all), messages(all), clock(all)
    {
    }
    Roles(Printing &printing, Messages &messages, Clock &clock)
        : printing(printing), messages(messages), clock(clock)
    {
    }

    Printing &printing;
    Messages &messages;
    Clock &clock;
};

// The print buttons: the page goes to the default printer and its job is watched for 30 s.
// No printer, or one that is stopped or refuses jobs: the pupil is asked whether to save the
// page as a PDF instead. A page the spooler refuses is told with its reason, with the same
// offer; a job it aborts or cancels later is told when that happens.
void print(const Roles &roles, const PrintPage &page);

// "Salva come PDF…": asks where, proposing the documents folder and a ready file name, and
// writes the page there. Cancelling does nothing; a file that cannot be written is told,
// naming its folder.
void saveAsPdf(const Roles &roles, const PrintPage &page);

} // namespace PagePrinting
