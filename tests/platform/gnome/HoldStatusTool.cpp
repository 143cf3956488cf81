// SPDX-License-Identifier: GPL-3.0-or-later
// Test helper run inside the headless GNOME session: waits until the break-screen hold reports
// the expected status, optionally carrying out its remedy first, and says what it saw.
//
// usage: gnome_hold_status EXPECTED [--enable] [--uuid UUID --folder DIR]
// EXPECTED is "guarantee/remedy", e.g. "held/none" or "leavable/logInAgain".
#include "platform/linux/gnome/GnomeShellBreakHold.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

namespace {

QString describe(const qv::BreakHoldStatus& status) {
    const QString guarantee = status.guarantee == qv::BreakHoldGuarantee::held
                                  ? QStringLiteral("held")
                                  : QStringLiteral("leavable");
    switch (status.remedy) {
    case qv::BreakHoldRemedy::enable:
        return guarantee + QStringLiteral("/enable");
    case qv::BreakHoldRemedy::logInAgain:
        return guarantee + QStringLiteral("/logInAgain");
    case qv::BreakHoldRemedy::none:
        break;
    }
    return guarantee + QStringLiteral("/none");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: gnome_hold_status EXPECTED [--enable] "
                             "[--uuid UUID --folder DIR]\n");
        return 2;
    }
    const QString expected = arguments.takeFirst();
    qv::GnomeShellBreakHold::Options options;
    bool enable = false;
    while (!arguments.isEmpty()) {
        const QString option = arguments.takeFirst();
        if (option == u"--enable") {
            enable = true;
        } else if (option == u"--uuid" && !arguments.isEmpty()) {
            options.uuid = arguments.takeFirst();
        } else if (option == u"--folder" && !arguments.isEmpty()) {
            options.extensionFolders = {arguments.takeFirst()};
        }
    }
    qv::GnomeShellBreakHold hold(QDBusConnection::sessionBus(), options);
    hold.onStatusChanged = [&] {
        if (enable && hold.status().remedy == qv::BreakHoldRemedy::enable) {
            hold.enable();
        }
        if (describe(hold.status()) == expected) {
            app.quit();
        }
    };
    QTimer::singleShot(10000, &app, [&] { app.exit(1); });
    const int code = app.exec();
    std::printf("%s\n", qPrintable(describe(hold.status())));
    return code;
}
