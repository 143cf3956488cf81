// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/SessionBusInstance.h"

#include "core/scheduling/PauseLimits.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace qv {

namespace {

InstanceReply::Kind kindOfError(const QString& name) {
    if (name == QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown") ||
        name == QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner")) {
        return InstanceReply::Kind::notRunning;
    }
    if (name == SessionBusInstance::notNowError) {
        return InstanceReply::Kind::notNow;
    }
    if (name == SessionBusInstance::limitReachedError) {
        return InstanceReply::Kind::limitReached;
    }
    return InstanceReply::Kind::failed;
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

InstanceReply SessionBusInstance::call(const QString& method, const QVariantList& arguments,
                                       QDBusConnection bus) {
    if (!bus.isConnected()) {
        return {
            InstanceReply::Kind::notRunning,
            QCoreApplication::translate("Requests", "Quorvantel is not running (no session bus).")};
    }
    QDBusMessage message =
        QDBusMessage::createMethodCall(serviceName, objectPath, interfaceName, method);
    message.setArguments(arguments);
    const QDBusMessage reply = bus.call(message, QDBus::Block, 5'000);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        const InstanceReply::Kind kind = kindOfError(reply.errorName());
        return {kind, kind == InstanceReply::Kind::notRunning
                          ? QCoreApplication::translate("Requests", "Quorvantel is not running.")
                          : reply.errorMessage()};
    }
    if (!reply.arguments().isEmpty()) {
        return {InstanceReply::Kind::done, reply.arguments().constFirst().toString()};
    }
    return {};
}

void SessionBusInstance::answer(const std::function<RequestOutcome()>& command) {
    const RequestOutcome outcome = command ? command() : RequestOutcome();
    if (outcome && calledFromDBus()) {
        sendErrorReply(outcome->kind == RequestRefusal::Kind::limitReached ? limitReachedError
                                                                           : notNowError,
                       outcome->reason);
    }
}

void SessionBusInstance::StartBreakNow() {
    answer(commands_.startBreakNow);
}

void SessionBusInstance::Snooze() {
    answer(commands_.snooze);
}

void SessionBusInstance::Pause(double seconds) {
    if (!(seconds >= pauseLimits::shortestSeconds && seconds <= pauseLimits::longestSeconds)) {
        if (calledFromDBus()) {
            sendErrorReply(QDBusError::InvalidArgs, pauseLimits::outOfRangeMessage());
        }
        return;
    }
    if (commands_.pauseFor) {
        answer([&] { return commands_.pauseFor(seconds); });
    }
}

void SessionBusInstance::PauseUntilTomorrow() {
    answer(commands_.pauseUntilTomorrow);
}

void SessionBusInstance::Resume() {
    answer(commands_.resume);
}

void SessionBusInstance::OpenSettings() {
    if (commands_.openSettings) {
        commands_.openSettings();
    }
}

QString SessionBusInstance::Status() {
    return commands_.status ? commands_.status() : QString();
}

} // namespace qv
