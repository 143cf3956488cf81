// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"
#include "core/time/TimeSource.h"

#include <QDateTime>
#include <QObject>
#include <QUrl>
#include <memory>
#include <optional>

namespace qv {

class KeyValueStore;
class UpdateFeed;
struct AppcastItem;

// Update checks against the release feed: once a day when automatic checks are on, and
// whenever the user asks. It only tells what it found; the user downloads the release.
// Results and failures are properties for the views; this service shows no window itself.
class UpdaterService final : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool automaticallyChecksForUpdates READ automaticallyChecksForUpdates WRITE
                   setAutomaticallyChecksForUpdates NOTIFY automaticallyChecksForUpdatesChanged)
    Q_PROPERTY(bool canCheckForUpdates READ canCheckForUpdates NOTIFY canCheckForUpdatesChanged)
    Q_PROPERTY(bool isUpdateAvailable READ isUpdateAvailable NOTIFY isUpdateAvailableChanged)
    Q_PROPERTY(QString latestVersion READ latestVersion NOTIFY latestVersionChanged)
    Q_PROPERTY(QString releaseNotes READ releaseNotes NOTIFY releaseNotesChanged)
    Q_PROPERTY(QUrl downloadUrl READ downloadUrl NOTIFY downloadUrlChanged)
    Q_PROPERTY(QString statusMessage READ statusMessageText NOTIFY statusMessageChanged)

public:
    static inline const QString automaticChecksKey =
        QStringLiteral("updater.automaticallyChecksForUpdates");
    static inline const QString lastCheckKey = QStringLiteral("updater.lastCheckDate");
    static constexpr double checkIntervalSeconds = 24 * 60 * 60;
    // How often to see whether a daily check is due; a sleeping machine misses timer ticks.
    static constexpr double duePollSeconds = 60 * 60;
    // The first look after launch waits, so a check never slows the start.
    static constexpr double firstPollSeconds = 60;

    UpdaterService(KeyValueStore& defaults, TimeSource& time, std::unique_ptr<UpdateFeed> feed,
                   QString runningVersion, QObject* parent = nullptr);
    ~UpdaterService() override;

    bool automaticallyChecksForUpdates() const { return automaticChecks_; }
    void setAutomaticallyChecksForUpdates(bool on);
    bool canCheckForUpdates() const { return !isChecking_; }
    Q_INVOKABLE void checkForUpdates();

    bool isUpdateAvailable() const { return !latestVersion_.isEmpty(); }
    // Empty unless a newer version than the running one was found.
    QString latestVersion() const { return latestVersion_; }
    QString releaseNotes() const { return releaseNotes_; }
    QUrl downloadUrl() const { return downloadUrl_; }
    const std::optional<QString>& statusMessage() const { return statusMessage_; }
    QString statusMessageText() const { return statusMessage_.value_or(QString()); }

Q_SIGNALS:
    void automaticallyChecksForUpdatesChanged();
    void canCheckForUpdatesChanged();
    void isUpdateAvailableChanged();
    void latestVersionChanged();
    void releaseNotesChanged();
    void downloadUrlChanged();
    void statusMessageChanged();
    // After every check, whatever its outcome.
    void checkFinished();

private:
    void checkIfDue();
    void startCheck();
    void finishCheck(const Result<QByteArray>& result);
    void showNewest(const QByteArray& document);
    void show(const AppcastItem& item);
    void setChecking(bool checking);
    void setStatusMessage(std::optional<QString> message);

    KeyValueStore& defaults_;
    TimeSource& time_;
    std::unique_ptr<UpdateFeed> feed_;
    QString runningVersion_;
    bool automaticChecks_;
    bool isChecking_ = false;
    QString latestVersion_;
    QString releaseNotes_;
    QUrl downloadUrl_;
    std::optional<QString> statusMessage_;
    ScheduledTask firstPollTask_;
    ScheduledTask duePollTask_;
};

} // namespace qv
