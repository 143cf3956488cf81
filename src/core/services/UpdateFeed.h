#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace qv {

struct UpdateFeedResult {
    QByteArray document;
    // The failure in the system's words; absent when the document arrived.
    std::optional<QString> error;
};

// Fetches the update feed from where this build announces its releases.
class UpdateFeed {
public:
    // Destroying the feed abandons a running fetch; its callback is then never called.
    virtual ~UpdateFeed() = default;

    // done runs exactly once, on this thread, after fetch has returned.
    virtual void fetch(std::function<void(UpdateFeedResult)> done) = 0;
};

} // namespace qv
