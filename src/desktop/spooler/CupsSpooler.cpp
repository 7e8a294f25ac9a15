// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// The spooler module: CUPS's own client library, which answers for every job it is given.

#include "desktop/Spooler.h"

#include <cups/cups.h>

#include <QFile>

namespace {

// The state of a destination as the spooler last reported it.
Spooler::Destination destinationOf(const cups_dest_t &dest)
{
    const auto option = [&dest](const char *name) {
        return QString::fromUtf8(cupsGetOption(name, dest.num_options, dest.options));
    };
    Spooler::Destination destination;
    destination.queue = dest.name;
    destination.state.name = option("printer-info");
    if (destination.state.name.isEmpty())
        destination.state.name = QString::fromUtf8(dest.name);
    if (option("printer-is-accepting-jobs") == QLatin1String("false"))
        destination.state.kind = PrinterState::Rejecting;
    else if (option("printer-state").toInt() == IPP_PSTATE_STOPPED)
        destination.state.kind = PrinterState::Stopped;
    else
        destination.state.kind = PrinterState::Ready;
    return destination;
}

class CupsSpooler final : public Spooler
{
public:
    Destination defaultDestination() override
    {
        if (cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr)) {
            const Destination found = destinationOf(*dest);
            cupsFreeDests(1, dest);
            return found;
        }
        // No default set: the first printer there is.
        cups_dest_t *dests = nullptr;
        const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
        const Destination found = count > 0 ? destinationOf(dests[0]) : Destination {};
        cupsFreeDests(count, dests);
        return found;
    }

    int submit(const QByteArray &queue, const QString &path, QString &error) override
    {
        const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, queue.constData(),
            QFile::encodeName(path).constData(), "VOVORUDOROZ.1", 0, nullptr);
        if (job <= 0)
            error = QString::fromUtf8(cupsLastErrorString());
        return job;
    }

    // Asks the spooler for the state of this one job.
    JobState jobState(int job) override
    {
        ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
        const QByteArray uri = "ipp://localhost/jobs/" + QByteArray::number(job);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
        ippAddString(
            request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
            "job-state");
        // cupsDoRequest frees the request.
        ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
        ipp_attribute_t *state = ippFindAttribute(response, "job-state", IPP_TAG_ENUM);
        const int value = state ? ippGetInteger(state, 0) : 0;
        ippDelete(response);
        switch (value) {
        case IPP_JSTATE_COMPLETED:
            return JobState::Completed;
        case IPP_JSTATE_ABORTED:
            return JobState::Aborted;
        case IPP_JSTATE_CANCELED:
            return JobState::Canceled;
        default:
            return JobState::Waiting;
        }
    }
};

} // namespace

extern "C" Q_DECL_EXPORT Spooler *vovorudorozCreateSpooler()
{
    return new CupsSpooler;
}
