#include "ui/PlatformChoice.h"

QByteArray preferredPlatform(
    const QByteArray &chosen, const QByteArray &xDisplay, const QByteArray &waylandDisplay)
{
    if (!chosen.isEmpty() || xDisplay.isEmpty() || waylandDisplay.isEmpty())
        return {};
    return QByteArrayLiteral("xcb;wayland");
}
