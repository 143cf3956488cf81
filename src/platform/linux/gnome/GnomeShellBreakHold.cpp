// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/gnome/GnomeShellBreakHold.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace qv {

namespace {
const QString shellService = QStringLiteral("org.gnome.Shell");
const QString extensionsPath = QStringLiteral("/org/gnome/Shell");
const QString extensionsInterface = QStringLiteral("org.gnome.Shell.Extensions");
const QString holdPath = QStringLiteral("/com/tamsorek/Quorvantel/Shell");
const QString holdInterface = QStringLiteral("com.tamsorek.Quorvantel.Shell1");

// GNOME Shell's ExtensionState values.
constexpr int shellEnabled = 1;
constexpr int shellDisabled = 2;
constexpr int shellError = 3;
constexpr int shellOutOfDate = 4;
constexpr int shellInitialized = 6;
} // namespace

GnomeShellBreakHold::GnomeShellBreakHold(QDBusConnection bus, Options options, QObject* parent)
    : QObject(parent)
    , bus_(std::move(bus))
    , options_(std::move(options)) {
    bus_.connect(shellService, extensionsPath, extensionsInterface,
                 QStringLiteral("ExtensionStateChanged"), this,
                 SLOT(handleStateChanged(QString, QVariantMap)));
    // A restarted shell (Alt+F2 r on X11, a crash) has to be asked again.
    bus_.connect(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                 QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameOwnerChanged"),
                 {shellService}, QString(), this,
                 SLOT(handleShellOwnerChanged(QString, QString, QString)));
    refresh();
}

GnomeShellBreakHold::~GnomeShellBreakHold() {
    end();
}

void GnomeShellBreakHold::begin(const std::vector<QObject*>&) {
    // Sent again for each new set of windows: the extension looks for them afresh.
    holding_ = true;
    QDBusMessage call = QDBusMessage::createMethodCall(shellService, holdPath, holdInterface,
                                                       QStringLiteral("BeginBreak"));
    call << options_.windowTitle << static_cast<uint>(qMax(1.0, options_.safetySeconds));
    callShell(call, [this](const QDBusPendingCall& answer) {
        // Turned off since we last asked: what we promise has changed.
        if (answer.isError()) {
            refresh();
        }
    });
}

void GnomeShellBreakHold::end() {
    if (!std::exchange(holding_, false)) {
        return;
    }
    bus_.call(QDBusMessage::createMethodCall(shellService, holdPath, holdInterface,
                                             QStringLiteral("EndBreak")),
              QDBus::NoBlock);
}

void GnomeShellBreakHold::enable() {
    if (status_.remedy != BreakHoldRemedy::enable) {
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        shellService, extensionsPath, extensionsInterface, QStringLiteral("EnableExtension"));
    call << options_.uuid;
    callShell(call, [this](const QDBusPendingCall& answer) {
        // The shell answers false where it does not know the extension or may not change it.
        const QDBusPendingReply<bool> reply = answer;
        if (reply.isError()) {
            problem_ = reply.error().message();
        } else if (!reply.value()) {
            problem_ = QCoreApplication::translate("Settings",
                                                   "GNOME Shell did not turn the extension on");
        } else {
            problem_.clear();
        }
        refresh();
    });
}

void GnomeShellBreakHold::refresh() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        shellService, extensionsPath, extensionsInterface, QStringLiteral("GetExtensionInfo"));
    call << options_.uuid;
    callShell(call, [this](const QDBusPendingCall& answer) {
        const QDBusPendingReply<QVariantMap> reply = answer;
        if (reply.isError()) {
            apply(std::nullopt);
        } else {
            applyInfo(reply.value());
        }
    });
}

void GnomeShellBreakHold::callShell(const QDBusMessage& call,
                                    std::function<void(const QDBusPendingCall&)> answered) {
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [answered = std::move(answered)](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                answered(*finished);
            });
}

void GnomeShellBreakHold::handleStateChanged(const QString& uuid, const QVariantMap& info) {
    if (uuid == options_.uuid) {
        applyInfo(info);
    }
}

void GnomeShellBreakHold::handleShellOwnerChanged(const QString&, const QString&,
                                                  const QString& newOwner) {
    if (newOwner.isEmpty()) {
        apply(std::nullopt);
    } else {
        refresh();
    }
}

void GnomeShellBreakHold::applyInfo(const QVariantMap& info) {
    const ExtensionState state = stateFromInfo(info);
    if (state == ExtensionState::enabled) {
        problem_.clear();
    } else if (static_cast<int>(info.value(QStringLiteral("state")).toDouble()) == shellError) {
        // Turned on, but it failed to load: the shell's reason is all the user can act on.
        problem_ = info.value(QStringLiteral("error")).toString();
    }
    apply(state);
}

void GnomeShellBreakHold::apply(std::optional<ExtensionState> state) {
    BreakHoldStatus status = statusFor(state, isInstalled());
    status.problem = problem_;
    if (status == status_) {
        return;
    }
    status_ = status;
    if (onStatusChanged) {
        onStatusChanged();
    }
}

bool GnomeShellBreakHold::isInstalled() const {
    for (const QString& folder : options_.extensionFolders) {
        if (QFileInfo::exists(
                QDir(folder).filePath(options_.uuid + QStringLiteral("/metadata.json")))) {
            return true;
        }
    }
    return false;
}

GnomeShellBreakHold::ExtensionState GnomeShellBreakHold::stateFromInfo(const QVariantMap& info) {
    const auto state = info.value(QStringLiteral("state"));
    if (!state.isValid()) {
        return ExtensionState::unknownToShell;
    }
    switch (static_cast<int>(state.toDouble())) {
    case shellEnabled:
        return ExtensionState::enabled;
    case shellDisabled:
    case shellInitialized:
        // With extensions switched off as a whole, turning ours on changes nothing.
        return info.value(QStringLiteral("canChange"), true).toBool() ? ExtensionState::disabled
                                                                      : ExtensionState::unusable;
    case shellError:
    case shellOutOfDate:
        return ExtensionState::unusable;
    default:
        return ExtensionState::unknownToShell;
    }
}

BreakHoldStatus GnomeShellBreakHold::statusFor(std::optional<ExtensionState> state,
                                               bool installed) {
    if (!state) {
        return {};
    }
    switch (*state) {
    case ExtensionState::enabled:
        return {BreakHoldGuarantee::held, BreakHoldRemedy::none};
    case ExtensionState::disabled:
        return {BreakHoldGuarantee::leavable, BreakHoldRemedy::enable};
    case ExtensionState::unusable:
        return {};
    case ExtensionState::unknownToShell:
        return {BreakHoldGuarantee::leavable,
                installed ? BreakHoldRemedy::logInAgain : BreakHoldRemedy::none};
    }
    return {};
}

QStringList GnomeShellBreakHold::defaultExtensionFolders() {
    QStringList folders;
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        folders << QDir(data).filePath(QStringLiteral("gnome-shell/extensions"));
    }
    return folders;
}

} // namespace qv
