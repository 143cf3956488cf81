// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace qv {

// Fetches the update feed from where this build announces its releases.
class UpdateFeed {
public:
    // Destroying the feed abandons a running fetch; its callback is then never called.
    virtual ~UpdateFeed() = default;

    // done runs exactly once, on this thread, after fetch has returned, with the document or
    // the failure in the system's words.
    virtual void fetch(std::function<void(Result<QByteArray>)> done) = 0;
};

} // namespace qv
