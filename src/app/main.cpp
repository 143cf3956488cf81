#include "app/CommandLine.h"
#include "app/QuitOnSignals.h"
#include "core/scheduling/BreakScheduler.h"
#include "core/services/BuildInfo.h"
#include "core/settings/SettingsStore.h"
#include "core/storage/SettingsFileStore.h"
#include "core/time/EventLoopTimeSource.h"
#include "platform/linux/SessionBusInstance.h"

#include <QCoreApplication>
#include <QTextStream>

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

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // No organisation name: the data folder is then $XDG_DATA_HOME/Quorvantel itself.
    QCoreApplication::setApplicationName(QStringLiteral("Quorvantel"));
    QCoreApplication::setApplicationVersion(qv::buildInfo::applicationVersion);

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

    qv::EventLoopTimeSource time;
    qv::SettingsFileStore defaults;
    qv::SettingsStore settings(defaults);
    qv::BreakScheduler scheduler(settings, defaults, time, [] { return qv::Calendar(); });

    qv::InstanceCommands commands;
    commands.startBreakNow = [&] { scheduler.startBreakNow(); };
    commands.snooze = [&] { (void)scheduler.snooze(); };
    commands.pauseFor = [&](double seconds) {
        const QDateTime now = time.now();
        scheduler.pause(now.addMSecs(qint64(seconds * 1000)), now);
    };
    commands.pauseUntilTomorrow = [&] { scheduler.pauseUntilTomorrow(); };
    commands.resume = [&] { (void)scheduler.resume(); };
    commands.status = [&] { return scheduler.statusText(); };
    qv::SessionBusInstance instance(commands);
    if (instance.claim() == qv::SessionBusInstance::Claim::alreadyRunning) {
        // Another launch won the race since we asked; hand it the request after all.
        return std::max(0, forwardToRunningInstance(*command));
    }

    // Until the tray icon exists, the countdown is shown on the terminal.
    QTextStream out(stdout);
    QObject::connect(&scheduler, &qv::BreakScheduler::statusTextChanged, [&] {
        out << scheduler.menuBarTitle() << "  " << scheduler.statusText() << '\n';
        out.flush();
    });
    scheduler.onBreakDue = [&] {
        out << "Break due\n";
        out.flush();
    };
    qv::QuitOnSignals quitOnSignals;
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&] { scheduler.cancelTimer(); });
    scheduler.start();
    return QCoreApplication::exec();
}
