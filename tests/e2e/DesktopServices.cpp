// SPDX-License-Identifier: GPL-3.0-or-later
// desktop_services: the desktop's notification server and tray host, on the session bus, for
// tests that drive the built application from outside. Prints one JSON object a line: every
// notification it is asked to show ({"notify": {...}}) and, when a tray item registers, the
// labels of its menu ({"menu": [...]}). Runs until killed.
#include "platform/linux/NotificationServerDouble.h"
#include "support/TestWatcher.h"
#include "ui/tray/DBusTypes.h"
#include "ui/tray/StatusNotifierItem.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <cstdio>

namespace {

void print(const QString& key, const QJsonValue& value) {
    const QByteArray line = QJsonDocument(QJsonObject{{key, value}}).toJson(QJsonDocument::Compact);
    std::printf("%s\n", line.constData());
    std::fflush(stdout);
}

void appendLabels(const qv::DBusMenuItem& item, QJsonArray& labels) {
    for (const qv::DBusMenuItem& child : item.children) {
        if (const QString label = child.properties.value(QStringLiteral("label")).toString();
            !label.isEmpty()) {
            labels.append(label);
        }
        appendLabels(child, labels);
    }
}

void printMenu(qv::test::TestWatcher& watcher) {
    const QDBusMessage reply =
        watcher.call(qv::StatusNotifierItem::menuPath, QStringLiteral("com.canonical.dbusmenu"),
                     QStringLiteral("GetLayout"), {0, -1, QStringList()});
    qv::DBusMenuItem root;
    if (reply.arguments().size() == 2) {
        reply.arguments().at(1).value<QDBusArgument>() >> root;
    }
    QJsonArray labels;
    appendLabels(root, labels);
    print(QStringLiteral("menu"), labels);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    qv::registerDBusTypes();
    qv::test::NotificationServerDouble notifications(
        qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"),
        {QStringLiteral("actions"), QStringLiteral("body")});
    qv::test::TestWatcher watcher;
    if (!notifications.isRegistered() || !watcher.start()) {
        std::fprintf(stderr, "desktop_services: cannot own the desktop's names on the bus\n");
        return 1;
    }
    QObject::connect(&watcher, &qv::test::TestWatcher::StatusNotifierItemRegistered, &app,
                     [&watcher] { printMenu(watcher); });
    // The double only records; the calls are read back as they come in.
    std::size_t printed = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        for (; printed < notifications.notified.size(); ++printed) {
            const auto& shown = notifications.notified[printed];
            print(QStringLiteral("notify"),
                  QJsonObject{
                      {QStringLiteral("summary"), shown.summary},
                      {QStringLiteral("body"), shown.body},
                      {QStringLiteral("actions"), QJsonArray::fromStringList(shown.actions)}});
        }
    });
    poll.start(100);
    std::printf("{\"ready\": true}\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
