// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/services/LaunchAtLoginController.h"

#include "core/services/LoginItemService.h"

#include <QCoreApplication>

namespace qv {

LaunchAtLoginController::LaunchAtLoginController(LoginItemService& service, QObject* parent)
    : QObject(parent)
    , service_(service) {}

QString LaunchAtLoginController::statusMessageText() const {
    if (!statusMessage_) {
        return {};
    }
    return QCoreApplication::translate("Settings", statusMessage_->toUtf8().constData());
}

void LaunchAtLoginController::refresh() {
    switch (service_.status()) {
    case LoginItemStatus::notRegistered:
        setState(false, false, std::nullopt);
        break;
    case LoginItemStatus::enabled:
        setState(true, false, std::nullopt);
        break;
    case LoginItemStatus::requiresApproval:
        setState(true, true, approvalMessage);
        break;
    case LoginItemStatus::notFound:
        setState(false, false, notInstalledMessage);
        break;
    case LoginItemStatus::unavailable:
        setState(false, false, unavailableMessage);
        break;
    }
}

void LaunchAtLoginController::setEnabled(bool on) {
    const LoginItemStatus status = service_.status();
    std::optional<QString> error;
    if (on && status == LoginItemStatus::notRegistered) {
        error = service_.registerItem();
    } else if (!on && status != LoginItemStatus::notRegistered) {
        error = service_.unregisterItem();
    }
    refresh();
    // The system's words about a failed change matter more than the status text.
    if (error) {
        setStatusMessage(error);
    }
}

void LaunchAtLoginController::setState(bool on, bool approval, std::optional<QString> message) {
    if (isOn_ != on) {
        isOn_ = on;
        Q_EMIT isOnChanged();
    }
    if (requiresApproval_ != approval) {
        requiresApproval_ = approval;
        Q_EMIT requiresApprovalChanged();
    }
    setStatusMessage(std::move(message));
}

void LaunchAtLoginController::setStatusMessage(std::optional<QString> message) {
    if (statusMessage_ != message) {
        statusMessage_ = std::move(message);
        Q_EMIT statusMessageChanged();
    }
}

} // namespace qv
