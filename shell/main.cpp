// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Starts Maroleta: the main window, maximised.
#include "shell/form1.h"

#include <QApplication>
#include <QFileInfo>

namespace {
// Qt reaches a screen reader through the desktop's session bus. Where there is no session bus (a plain X
// login, a kiosk), libdbus would start one of its own through dbus-launch: that daemon writes under the
// home folder and outlives the program. A session bus is found from DBUS_SESSION_BUS_ADDRESS or the
// socket "bus" in the runtime folder; with neither, an address that cannot be opened keeps libdbus from
// starting one, and the program simply runs without a screen reader, as it must there.
void keepFromStartingASessionBus()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus")))
        return;
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
#endif
}
}

int main(int argc, char* argv[])
{
    keepFromStartingASessionBus();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Maroleta"));
    maroleta::Form1 window;
    window.showMaximized();
    return app.exec();
}
