// SPDX-License-Identifier: GPL-3.0-or-later
// quorvantel-breakscreen: the break screen. The application starts it for a break with its end
// of a socket as descriptor 3; it covers every screen with the break the application describes
// and ends when the application closes the socket or goes away.
#include "app/BreakScreenSetup.h"
#include "app/Translations.h"
#include "core/time/EventLoopTimeSource.h"
#include "platform/linux/camerahelper/ChildProcess.h"
#include "screenhelper/ScreenSession.h"

#include <QGuiApplication>
#include <QQuickWindow>
#include <QtQml/QQmlExtensionPlugin>
#include <cstdio>
#include <sys/stat.h>

Q_IMPORT_QML_PLUGIN(Quorvantel_ThemePlugin)
Q_IMPORT_QML_PLUGIN(Quorvantel_BreakScreenPlugin)

namespace {

bool hasChannel() {
    struct stat info {};
    return fstat(qv::ChildProcess::channelFd, &info) == 0 && S_ISSOCK(info.st_mode);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 1 || !hasChannel()) {
        std::fprintf(stderr, "quorvantel-breakscreen: started by Quorvantel only, with its "
                             "socket as descriptor 3\n");
        return 2;
    }
    // The same drawing, names and language as the application's own windows.
    QCoreApplication::setApplicationName(QStringLiteral("Quorvantel"));
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")) {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }
    QGuiApplication app(argc, argv);
    qv::installTranslations(app);
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QStringLiteral("com.tamsorek.Quorvantel"));

    qv::EventLoopTimeSource time;
    qv::WindowLockController lock(time, qv::breakScreenLockOptions(time));
    qv::ScreenSession session(qv::UniqueFd(qv::ChildProcess::channelFd), lock, time,
                              [] { QCoreApplication::quit(); });
    return QGuiApplication::exec();
}
