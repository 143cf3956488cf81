// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/QuitOnSignals.h"
#include "app/RequestForwarding.h"
#include "app/Translations.h"
#include "core/services/BuildInfo.h"
#include "platform/linux/SessionBusInstance.h"

#include <QApplication>
#include <QQuickWindow>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

namespace {

// Qt's GUI application ends the process when it finds no display, so it is made only once we
// know this launch is to run Quorvantel and there is a display to run it on.
bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Runs the application until it quits; all it made is gone when this returns.
int runApplication(const qv::CommandLine& command) {
    qv::Application application({command.cameraVideo});
    qv::SessionBusInstance instance(application.instanceCommands());
    if (instance.claim() == qv::SessionBusInstance::Claim::alreadyRunning) {
        // Another launch won the race since we asked; hand it the request after all.
        return qv::forwardToRunningInstance(command).value_or(qv::exitCode::notRunning);
    }

    qv::QuitOnSignals quitOnSignals;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&] { application.stop(); });
    application.start();
    // The winner of a race keeps its own request.
    if (command.request == qv::CommandLine::Request::openSettings) {
        application.settingsWindow().openOrRaise();
    }
    return QApplication::exec();
}

int run(int argc, char* argv[], const qv::CommandLine& command) {
    if (!qv::startsWhenNotRunning(command.request) || !hasDisplay()) {
        QCoreApplication app(argc, argv);
        qv::installTranslations(app);
        if (const auto forwarded = qv::forwardToRunningInstance(command)) {
            return *forwarded;
        }
        QTextStream(stderr) << "quorvantel: "
                            << QCoreApplication::translate(
                                   "CommandLine", "there is no display to show Quorvantel on "
                                                  "(neither DISPLAY nor WAYLAND_DISPLAY is set).")
                            << '\n';
        return qv::exitCode::notRunning;
    }
    // Our windows are a few texts, shapes and one small camera picture: the software scene
    // graph draws them at a fraction of the memory an OpenGL context costs, which matters for
    // a program that waits in the tray all day. QT_QUICK_BACKEND still overrides it.
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")) {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }
    QApplication app(argc, argv);
    qv::installTranslations(app);
    QApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QStringLiteral("com.tamsorek.Quorvantel"));
    if (const auto forwarded = qv::forwardToRunningInstance(command)) {
        return *forwarded;
    }
    return runApplication(command);
}

// Help, version and a wrong command line need no display; they are read again in the user's
// language only here, so a plain start makes no application object just to translate.
int printAnswer(int argc, char* argv[], const QStringList& arguments) {
    QCoreApplication app(argc, argv);
    qv::installTranslations(app);
    const qv::Result<qv::CommandLine> command = qv::parseCommandLine(arguments);
    if (!command) {
        QTextStream(stderr) << "quorvantel: " << command.error() << '\n';
        return qv::exitCode::usage;
    }
    QTextStream(stdout) << command->text << '\n';
    return qv::exitCode::done;
}

} // namespace

int main(int argc, char* argv[]) {
    // No organisation name: the data folder is then $XDG_DATA_HOME/Quorvantel itself.
    QCoreApplication::setApplicationName(QStringLiteral("Quorvantel"));
    QCoreApplication::setApplicationVersion(qv::buildInfo::applicationVersion);

    // Read before any application object exists, so help, version and every request work
    // without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const qv::Result<qv::CommandLine> command = qv::parseCommandLine(arguments);
    if (!command || command->request == qv::CommandLine::Request::help ||
        command->request == qv::CommandLine::Request::version) {
        return printAnswer(argc, argv, arguments);
    }

    const int status = run(argc, argv, *command);
    // Everything the user's data needs is written and every window is gone by now. Qt
    // Multimedia's sound server connection and GStreamer's device watchers still run threads
    // of their own, and their teardown in the exit handlers races those threads: the sound
    // library aborted the process at about one quit in four. Nothing left is worth that.
    std::fflush(nullptr);
    std::_Exit(status);
}
