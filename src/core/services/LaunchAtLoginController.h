// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <optional>

namespace qv {

class LoginItemService;

// The launch-at-login switch of the settings window and the onboarding. The state shown is
// always what the system reports after the last change; a failed change keeps its error text.
class LaunchAtLoginController final : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isOn READ isOn NOTIFY isOnChanged)
    Q_PROPERTY(bool requiresApproval READ requiresApproval NOTIFY requiresApprovalChanged)
    Q_PROPERTY(QString statusMessage READ statusMessageText NOTIFY statusMessageChanged)

public:
    static inline const QString approvalMessage = QStringLiteral(QT_TRANSLATE_NOOP(
        "Settings", "Allow Quorvantel in your desktop's startup applications settings."));
    static inline const QString notInstalledMessage = QStringLiteral(
        QT_TRANSLATE_NOOP("Settings", "Install Quorvantel before enabling launch at login."));
    static inline const QString unavailableMessage =
        QStringLiteral(QT_TRANSLATE_NOOP("Settings", "Launch-at-login status is unavailable."));

    explicit LaunchAtLoginController(LoginItemService& service, QObject* parent = nullptr);

    bool isOn() const { return isOn_; }
    bool requiresApproval() const { return requiresApproval_; }
    const std::optional<QString>& statusMessage() const { return statusMessage_; }
    // The messages above come out in the user's language; the login item's own pass unchanged.
    QString statusMessageText() const;

    Q_INVOKABLE void refresh();
    Q_INVOKABLE void setEnabled(bool on);

Q_SIGNALS:
    void isOnChanged();
    void requiresApprovalChanged();
    void statusMessageChanged();

private:
    void setState(bool on, bool approval, std::optional<QString> message);
    void setStatusMessage(std::optional<QString> message);

    LoginItemService& service_;
    bool isOn_ = false;
    bool requiresApproval_ = false;
    std::optional<QString> statusMessage_;
};

} // namespace qv
