#include "core/scheduling/BreakScheduler.h"
#include "core/services/BuildInfo.h"
#include "core/settings/SettingsStore.h"
#include "core/storage/SettingsFileStore.h"
#include "core/time/EventLoopTimeSource.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // No organisation name: the data folder is then $XDG_DATA_HOME/Quorvantel itself.
    QCoreApplication::setApplicationName(QStringLiteral("Quorvantel"));
    QCoreApplication::setApplicationVersion(qv::buildInfo::applicationVersion);

    qv::EventLoopTimeSource time;
    qv::SettingsFileStore defaults;
    qv::SettingsStore settings(defaults);
    qv::BreakScheduler scheduler(settings, defaults, time, [] { return qv::Calendar(); });

    // Until the tray icon exists, the countdown is shown on the terminal.
    QTextStream out(stdout);
    QString lastStatus;
    QObject::connect(&scheduler, &qv::BreakScheduler::published, [&] {
        const QString status = scheduler.statusText();
        if (status != lastStatus) {
            lastStatus = status;
            out << scheduler.menuBarTitle() << "  " << status << '\n';
            out.flush();
        }
    });
    scheduler.onBreakDue = [&] {
        out << "Break due\n";
        out.flush();
    };
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&] { scheduler.cancelTimer(); });
    scheduler.start();
    return QCoreApplication::exec();
}
