#include "settings/SettingsStore.h"
#include "storage/SettingsFileStore.h"
#include "time/EventLoopTimeSource.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quorvantel"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvantel"));

    qv::EventLoopTimeSource time;
    qv::SettingsFileStore defaults;
    qv::SettingsStore settings(defaults);

    QTextStream out(stdout);
    out << "Quorvantel: work interval " << settings.workIntervalMinutes() << " minutes\n";
    out.flush();
    return 0;
}
