// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/QuitOnSignals.h"
#include "core/services/BuildInfo.h"
#include "platform/linux/SessionBusInstance.h"

#include <QApplication>
#include <QQuickWindow>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

namespace {

// Hands a request to the instance already running. Returns the exit code, or -1 when no
// instance runs and this launch should become it.
int forwardToRunningInstance(const qv::CommandLine& command) {
    // A plain second launch (the launcher clicked again) shows the running one's settings; one
    // that brings a camera video only asks whether an instance runs.
    const bool plain = command.request == qv::CommandLine::Request::none;
    const bool onlyAsking = plain && !command.cameraVideo.isEmpty();
    const QString method = onlyAsking ? QStringLiteral("Status")
                           : plain    ? QStringLiteral("OpenSettings")
                                      : qv::instanceMethod(command.request);
    QVariantList arguments;
    if (command.request == qv::CommandLine::Request::pause) {
        arguments << command.pauseSeconds;
    }
    const qv::Result<QString> reply = qv::SessionBusInstance::call(method, arguments);
    if (reply && !command.cameraVideo.isEmpty()) {
        QTextStream(stderr) << "quorvantel: Quorvantel is already running; quit it to use "
                               "--camera-video.\n";
        return 1;
    }
    if (reply) {
        if (!reply->isEmpty()) {
            QTextStream(stdout) << *reply << '\n';
        }
        return 0;
    }
    if (command.request == qv::CommandLine::Request::status ||
        reply.error() != QStringLiteral("Quorvantel is not running.")) {
        QTextStream(stderr) << reply.error() << '\n';
        return 1;
    }
    return -1;
}

// Runs the application until it quits; all it made is gone when this returns.
int runApplication(const qv::CommandLine& command) {
    qv::Application application({command.cameraVideo});
    qv::SessionBusInstance instance(application.instanceCommands());
    if (instance.claim() == qv::SessionBusInstance::Claim::alreadyRunning) {
        // Another launch won the race since we asked; hand it the request after all.
        return std::max(0, forwardToRunningInstance(command));
    }

    qv::QuitOnSignals quitOnSignals;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&] { application.stop(); });
    application.start();
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    // Our windows are a few texts, shapes and one small camera picture: the software scene
    // graph draws them at a fraction of the memory an OpenGL context costs, which matters for
    // a program that waits in the tray all day. QT_QUICK_BACKEND still overrides it.
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")) {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // No organisation name: the data folder is then $XDG_DATA_HOME/Quorvantel itself.
    QApplication::setApplicationName(QStringLiteral("Quorvantel"));
    QApplication::setApplicationVersion(qv::buildInfo::applicationVersion);
    QGuiApplication::setDesktopFileName(QStringLiteral("com.tamsorek.Quorvantel"));

    const qv::Result<qv::CommandLine> command = qv::parseCommandLine(app.arguments());
    if (!command) {
        QTextStream(stderr) << "quorvantel: " << command.error() << '\n';
        return 2;
    }
    if (command->request == qv::CommandLine::Request::help ||
        command->request == qv::CommandLine::Request::version) {
        QTextStream(stdout) << command->text << '\n';
        return 0;
    }
    if (const int forwarded = forwardToRunningInstance(*command); forwarded >= 0) {
        return forwarded;
    }

    const int status = runApplication(*command);
    // Everything the user's data needs is written and every window is gone by now. Qt
    // Multimedia's sound server connection and GStreamer's device watchers still run threads
    // of their own, and their teardown in the exit handlers races those threads: the sound
    // library aborted the process at about one quit in four. Nothing left is worth that.
    std::fflush(nullptr);
    std::_Exit(status);
}
