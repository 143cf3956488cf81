// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/SessionBusInstance.h"

#include "core/scheduling/PauseLimits.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace qv {

namespace {

void run(const std::function<void()>& command) {
    if (command) {
        command();
    }
}

} // namespace

SessionBusInstance::SessionBusInstance(InstanceCommands commands, QObject* parent)
    : QObject(parent)
    , commands_(std::move(commands)) {}

SessionBusInstance::~SessionBusInstance() {
    if (owned_) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterObject(objectPath);
        bus.unregisterService(serviceName);
    }
}

SessionBusInstance::Claim SessionBusInstance::claim() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return Claim::noSessionBus;
    }
    // Export first, so a caller that sees the name also finds the object.
    if (!bus.registerObject(objectPath, this, QDBusConnection::ExportScriptableSlots)) {
        return Claim::alreadyRunning;
    }
    const auto reply =
        bus.interface()->registerService(serviceName, QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        bus.unregisterObject(objectPath);
        return Claim::alreadyRunning;
    }
    owned_ = true;
    return Claim::owned;
}

Result<QString> SessionBusInstance::call(const QString& method, const QVariantList& arguments,
                                         QDBusConnection bus) {
    if (!bus.isConnected()) {
        return Failure{QStringLiteral("Quorvantel is not running (no session bus).")};
    }
    QDBusMessage message =
        QDBusMessage::createMethodCall(serviceName, objectPath, interfaceName, method);
    message.setArguments(arguments);
    const QDBusMessage reply = bus.call(message, QDBus::Block, 5'000);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        if (reply.errorName() == QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown") ||
            reply.errorName() == QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner")) {
            return Failure{QStringLiteral("Quorvantel is not running.")};
        }
        return Failure{reply.errorMessage()};
    }
    if (!reply.arguments().isEmpty()) {
        return reply.arguments().constFirst().toString();
    }
    return QString();
}

void SessionBusInstance::StartBreakNow() {
    run(commands_.startBreakNow);
}

void SessionBusInstance::Snooze() {
    run(commands_.snooze);
}

void SessionBusInstance::Pause(double seconds) {
    if (!(seconds >= pauseLimits::shortestSeconds && seconds <= pauseLimits::longestSeconds)) {
        if (calledFromDBus()) {
            sendErrorReply(QDBusError::InvalidArgs, pauseLimits::outOfRangeMessage());
        }
        return;
    }
    if (commands_.pauseFor) {
        commands_.pauseFor(seconds);
    }
}

void SessionBusInstance::PauseUntilTomorrow() {
    run(commands_.pauseUntilTomorrow);
}

void SessionBusInstance::Resume() {
    run(commands_.resume);
}

void SessionBusInstance::OpenSettings() {
    run(commands_.openSettings);
}

QString SessionBusInstance::Status() {
    return commands_.status ? commands_.status() : QString();
}

} // namespace qv
