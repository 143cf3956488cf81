// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace qv {

enum class LoginItemStatus {
    notRegistered,
    enabled,
    requiresApproval,
    // The running copy is not installed anywhere it could be started from at login.
    notFound,
    unavailable,
};

// The system's record of whether the application starts at login.
class LoginItemService {
public:
    virtual ~LoginItemService() = default;

    virtual LoginItemStatus status() const = 0;
    // Each returns the system's own description of a failure, or nothing on success.
    [[nodiscard]] virtual std::optional<QString> registerItem() = 0;
    [[nodiscard]] virtual std::optional<QString> unregisterItem() = 0;
};

} // namespace qv
