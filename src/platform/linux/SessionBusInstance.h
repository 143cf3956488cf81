// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>

namespace qv {

// What another launch, a script or a user may ask of the running instance.
struct InstanceCommands {
    std::function<void()> startBreakNow;
    std::function<void()> snooze;
    std::function<void(double seconds)> pauseFor;
    std::function<void()> pauseUntilTomorrow;
    std::function<void()> resume;
    std::function<void()> openSettings;
    std::function<QString()> status;
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

    enum class Claim { owned, alreadyRunning, noSessionBus };

    explicit SessionBusInstance(InstanceCommands commands, QObject* parent = nullptr);
    ~SessionBusInstance() override;

    // Takes the name and exports the interface; alreadyRunning leaves the bus untouched.
    Claim claim();

    // Sends one call (a method of the interface) to the instance that owns the name; its
    // answer is the status text for Status and empty for the others.
    static Result<QString> call(const QString& method, const QVariantList& arguments = {},
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
    InstanceCommands commands_;
    bool owned_ = false;
};

} // namespace qv
