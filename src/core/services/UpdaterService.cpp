// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/services/UpdaterService.h"

#include "core/base/PropertyChange.h"
#include "core/services/Appcast.h"
#include "core/services/UpdateFeed.h"
#include "core/services/VersionNumber.h"
#include "core/storage/KeyValueStore.h"

#include <QPointer>

namespace qv {

namespace {

std::optional<std::pair<VersionNumber, AppcastItem>> newestItem(const QList<AppcastItem>& items) {
    std::optional<std::pair<VersionNumber, AppcastItem>> newest;
    for (const AppcastItem& item : items) {
        const auto version = VersionNumber::parse(item.version);
        if (version && (!newest || *version > newest->first)) {
            newest.emplace(*version, item);
        }
    }
    return newest;
}

QString failureMessage(const QString& reason) {
    return UpdaterService::tr("Could not check for updates: %1").arg(reason);
}

} // namespace

UpdaterService::UpdaterService(KeyValueStore& defaults, TimeSource& time,
                               std::unique_ptr<UpdateFeed> feed, QString runningVersion,
                               QObject* parent)
    : QObject(parent)
    , defaults_(defaults)
    , time_(time)
    , feed_(std::move(feed))
    , runningVersion_(std::move(runningVersion))
    // Off until the user turns it on: no request leaves the machine unasked.
    , automaticChecks_(defaults.boolean(automaticChecksKey).value_or(false)) {
    firstPollTask_ = time_.after(firstPollSeconds, [this] { checkIfDue(); });
    duePollTask_ = time_.every(duePollSeconds, [this] { checkIfDue(); });
}

UpdaterService::~UpdaterService() {
    // The feed goes first, so no answer can arrive into a half-destroyed service.
    feed_.reset();
}

void UpdaterService::setAutomaticallyChecksForUpdates(bool on) {
    defaults_.setBoolean(automaticChecksKey, on);
    if (automaticChecks_ == on) {
        return;
    }
    automaticChecks_ = on;
    Q_EMIT automaticallyChecksForUpdatesChanged();
    if (on) {
        firstPollTask_ = time_.after(0, [this] { checkIfDue(); });
    }
}

void UpdaterService::checkForUpdates() {
    if (!isChecking_) {
        startCheck();
    }
}

void UpdaterService::checkIfDue() {
    if (!automaticChecks_ || isChecking_) {
        return;
    }
    const auto last = defaults_.date(lastCheckKey);
    const QDateTime now = time_.now();
    // A last check in the future means the clock was set back: do not wait for it.
    if (last && *last <= now && last->secsTo(now) < checkIntervalSeconds) {
        return;
    }
    startCheck();
}

void UpdaterService::startCheck() {
    setChecking(true);
    defaults_.setDate(lastCheckKey, time_.now());
    QPointer<UpdaterService> self(this);
    feed_->fetch([self](const Result<QByteArray>& result) {
        if (self) {
            self->finishCheck(result);
        }
    });
}

void UpdaterService::finishCheck(const Result<QByteArray>& result) {
    if (result) {
        showNewest(*result);
    } else {
        setStatusMessage(failureMessage(result.error()));
    }
    setChecking(false);
    Q_EMIT checkFinished();
}

void UpdaterService::showNewest(const QByteArray& document) {
    const auto items = parseAppcast(document);
    if (!items) {
        setStatusMessage(failureMessage(tr("the update feed could not be read.")));
        return;
    }
    setStatusMessage(std::nullopt);
    const auto newest = newestItem(*items);
    const auto running = VersionNumber::parse(runningVersion_);
    const bool isNewer = newest && (!running || newest->first > *running);
    show(isNewer ? newest->second : AppcastItem{});
}

void UpdaterService::show(const AppcastItem& item) {
    const bool wasAvailable = isUpdateAvailable();
    // Availability is read after the version it is made from.
    emitChanged(this,
                {{replace(latestVersion_, item.version), &UpdaterService::latestVersionChanged},
                 {replace(releaseNotes_, item.releaseNotes), &UpdaterService::releaseNotesChanged},
                 {replace(downloadUrl_, item.downloadUrl), &UpdaterService::downloadUrlChanged},
                 {isUpdateAvailable() != wasAvailable, &UpdaterService::isUpdateAvailableChanged}});
}

void UpdaterService::setChecking(bool checking) {
    if (isChecking_ != checking) {
        isChecking_ = checking;
        Q_EMIT canCheckForUpdatesChanged();
    }
}

void UpdaterService::setStatusMessage(std::optional<QString> message) {
    if (statusMessage_ != message) {
        statusMessage_ = std::move(message);
        Q_EMIT statusMessageChanged();
    }
}

} // namespace qv
