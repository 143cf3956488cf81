// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/coordination/ControlRequests.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>

namespace qv {

// What another launch, a script or a user may ask of the running instance. A request that
// cannot act now says why, and the caller gets that as a D-Bus error.
struct InstanceCommands {
    std::function<RequestOutcome()> startBreakNow;
    std::function<RequestOutcome()> snooze;
    std::function<RequestOutcome(double seconds)> pauseFor;
    std::function<RequestOutcome()> pauseUntilTomorrow;
    std::function<RequestOutcome()> resume;
    std::function<void()> openSettings;
    std::function<QString()> status;
};

// The running instance's answer to one call.
struct InstanceReply {
    enum class Kind {
        done,         // text: the status line for Status, else empty
        notRunning,   // no instance owns the name (or there is no session bus)
        notNow,       // refused: the moment is wrong
        limitReached, // refused: allowed again only later
        failed        // no answer, or an error of another kind
    };
    Kind kind = Kind::done;
    QString text;
};

// One instance per user session: the first launch owns the application's name on the session
// bus and answers the control interface there; every later launch hands its request over and
// exits.
class SessionBusInstance : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.tamsorek.Quorvantel1")

public:
    static inline const QString serviceName = QStringLiteral("com.tamsorek.Quorvantel");
    static inline const QString objectPath = QStringLiteral("/com/tamsorek/Quorvantel");
    static inline const QString interfaceName = QStringLiteral("com.tamsorek.Quorvantel1");
    // The errors of requests that cannot act now; the message says why.
    static inline const QString notNowError =
        QStringLiteral("com.tamsorek.Quorvantel1.Error.NotNow");
    static inline const QString limitReachedError =
        QStringLiteral("com.tamsorek.Quorvantel1.Error.LimitReached");

    enum class Claim { owned, alreadyRunning, noSessionBus };

    explicit SessionBusInstance(InstanceCommands commands, QObject* parent = nullptr);
    ~SessionBusInstance() override;

    // Takes the name and exports the interface; alreadyRunning leaves the bus untouched.
    Claim claim();

    // Sends one call (a method of the interface) to the instance that owns the name.
    static InstanceReply call(const QString& method, const QVariantList& arguments = {},
                              QDBusConnection bus = QDBusConnection::sessionBus());

public Q_SLOTS:
    Q_SCRIPTABLE void StartBreakNow();
    Q_SCRIPTABLE void Snooze();
    // Refused (as a D-Bus error) outside the pause limits.
    Q_SCRIPTABLE void Pause(double seconds);
    Q_SCRIPTABLE void PauseUntilTomorrow();
    Q_SCRIPTABLE void Resume();
    Q_SCRIPTABLE void OpenSettings();
    Q_SCRIPTABLE QString Status();

private:
    void answer(const std::function<RequestOutcome()>& command);

    InstanceCommands commands_;
    bool owned_ = false;
};

} // namespace qv
