// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraChoice.h"

#include <QAbstractListModel>
#include <QList>
#include <memory>
#include <mutex>

namespace qv {

class CameraBackend;
class SettingsStore;

// The camera picker's rows: "Automatic", the cameras connected now, and "Not connected" for a
// chosen camera that is unplugged. Follows cameras coming and going while it exists.
class CameraChoiceList final : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex NOTIFY currentIndexChanged)
    Q_PROPERTY(bool isSelectedCameraMissing READ isSelectedCameraMissing NOTIFY
                   isSelectedCameraMissingChanged)

public:
    enum Role { nameRole = Qt::DisplayRole, cameraIdRole = Qt::UserRole + 1 };
    static inline const QString automaticTitle =
        QStringLiteral(QT_TRANSLATE_NOOP("Settings", "Automatic"));
    static inline const QString notConnectedTitle =
        QStringLiteral(QT_TRANSLATE_NOOP("Settings", "Not connected"));

    // Looking for cameras can load a whole media stack. A list made to wait for startListing()
    // shows only "Automatic" until then, so a window can hold it before anyone looks at it.
    enum class Listing { now, whenStarted };

    // Without a backend only "Automatic" (and a missing choice) is listed.
    CameraChoiceList(SettingsStore& settings, CameraBackend* backend,
                     Listing listing = Listing::now, QObject* parent = nullptr);
    ~CameraChoiceList() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int currentIndex() const;
    bool isSelectedCameraMissing() const;

    // Stores the camera of that row; "Automatic" clears the choice, "Not connected" keeps it.
    Q_INVOKABLE void choose(int row);
    Q_INVOKABLE void useAutomatic();
    // Lists the connected cameras from now on and follows them coming and going.
    void startListing();
    // Reads the connected cameras again, once listing.
    Q_INVOKABLE void refresh();

Q_SIGNALS:
    void currentIndexChanged();
    void isSelectedCameraMissingChanged();

private:
    struct Row {
        QString title;
        QString cameraId; // empty for "Automatic"
        bool isMissing = false;
        bool operator==(const Row&) const = default;
    };
    // Hot-plug notices come from any thread and may outlive this list.
    struct Relay {
        std::mutex mutex;
        CameraChoiceList* target = nullptr;
    };

    QList<Row> buildRows() const;
    void rebuild();

    SettingsStore& settings_;
    CameraBackend* backend_;
    bool isListing_ = false;
    QList<CameraChoice> cameras_;
    QList<Row> rows_;
    std::shared_ptr<Relay> relay_;
    std::shared_ptr<void> watch_;
};

} // namespace qv
