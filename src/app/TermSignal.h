// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#pragma once

class QCoreApplication;

// SIGTERM and SIGHUP (a desktop logout, a shutdown) end the program as its own Esci does: the
// event loop returns, and the register records the session's end on the way out.
void quitOnTermSignal(QCoreApplication &app);
