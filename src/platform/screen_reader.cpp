// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_reader.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QVariant>

namespace zantaro {

bool screenReaderRunning()
{
    const QDBusConnection session = QDBusConnection::sessionBus();
    if (!session.isConnected())
        return false;
    QDBusInterface status(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                          QStringLiteral("org.a11y.Status"), session);
    return status.isValid() && status.property("ScreenReaderEnabled").toBool();
}

} // namespace zantaro
