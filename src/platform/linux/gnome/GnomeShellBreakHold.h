// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/breakscreen/BreakScreenHold.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace qv {

// The break screen's hold on GNOME. Mutter lets no client stay above others or keep the
// keyboard, so the shell extension installed with Quorvantel does it: this class tells it
// when a break begins and ends, and watches whether GNOME has it on.
class GnomeShellBreakHold final : public QObject, public BreakScreenHold {
    Q_OBJECT

public:
    static inline const QString extensionUuid = QStringLiteral("quorvantel-break@tamsorek.com");

    // What GNOME Shell says of the extension.
    enum class ExtensionState {
        // Not found when the shell started (installed later, or not at all).
        unknownToShell,
        enabled,
        // Off, and turning it on would work.
        disabled,
        // Failed to load, made for another shell version, or extensions are off as a whole.
        unusable,
    };

    struct Options {
        QString uuid = extensionUuid;
        // The title of the break windows; the extension holds this process's windows that
        // carry it.
        QString windowTitle;
        // The extension lets go by itself after this long, should this process hang without
        // leaving the bus: the break's own safety release plus a margin.
        double safetySeconds = 660;
        // Folders searched for installed extensions, as the shell searches them.
        QStringList extensionFolders = defaultExtensionFolders();
    };

    GnomeShellBreakHold(QDBusConnection bus, Options options, QObject* parent = nullptr);
    ~GnomeShellBreakHold() override;

    BreakHoldStatus status() const override { return status_; }
    void begin(const std::vector<QObject*>& windows) override;
    void end() override;
    void enable() override;

    // Asks the shell again; status() follows when it answers.
    void refresh();

    // What to promise and to offer, given what the shell says and whether the extension's
    // files are on this computer (a shell started before they were installed does not know
    // them until the next login).
    static BreakHoldStatus statusFor(std::optional<ExtensionState> state, bool installed);
    static QStringList defaultExtensionFolders();

private Q_SLOTS:
    void handleStateChanged(const QString& uuid, const QVariantMap& info);
    void handleShellOwnerChanged(const QString& name, const QString& oldOwner,
                                 const QString& newOwner);

private:
    // Answers arrive on this object's thread, and not after it is gone.
    void callShell(const QDBusMessage& call, std::function<void(const QDBusPendingCall&)> answered);
    void applyInfo(const QVariantMap& info);
    void apply(std::optional<ExtensionState> state);
    bool isInstalled() const;
    static ExtensionState stateFromInfo(const QVariantMap& info);

    QDBusConnection bus_;
    Options options_;
    BreakHoldStatus status_;
    // What the shell said when turning the extension on, or loading it, last failed.
    QString problem_;
    bool holding_ = false;
};

} // namespace qv
