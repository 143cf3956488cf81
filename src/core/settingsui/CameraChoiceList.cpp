// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settingsui/CameraChoiceList.h"

#include "core/camera/CameraBackend.h"
#include "core/settings/SettingsStore.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace qv {

CameraChoiceList::CameraChoiceList(SettingsStore& settings, CameraBackend* backend, Listing listing,
                                   QObject* parent)
    : QAbstractListModel(parent)
    , settings_(settings)
    , backend_(backend)
    , relay_(std::make_shared<Relay>()) {
    relay_->target = this;
    connect(&settings_, &SettingsStore::selectedCameraIDChanged, this, &CameraChoiceList::rebuild);
    if (listing == Listing::now) {
        startListing();
    } else {
        rebuild();
    }
}

void CameraChoiceList::startListing() {
    if (isListing_) {
        return;
    }
    isListing_ = true;
    if (backend_) {
        watch_ = backend_->watchDevices([relay = relay_] {
            const std::lock_guard lock(relay->mutex);
            if (relay->target) {
                QMetaObject::invokeMethod(relay->target, &CameraChoiceList::refresh,
                                          Qt::QueuedConnection);
            }
        });
    }
    refresh();
}

CameraChoiceList::~CameraChoiceList() {
    watch_.reset();
    const std::lock_guard lock(relay_->mutex);
    relay_->target = nullptr;
}

void CameraChoiceList::refresh() {
    cameras_.clear();
    if (backend_ && isListing_) {
        for (const CameraDevice& device : backend_->devices()) {
            cameras_.append({device.id, device.name});
        }
    }
    rebuild();
}

QList<CameraChoiceList::Row> CameraChoiceList::buildRows() const {
    QList<Row> rows{{QCoreApplication::translate("Settings", "Automatic"), {}, false}};
    for (const CameraChoice& camera : cameras_) {
        rows.append({camera.name, camera.id, false});
    }
    const QString selected = settings_.selectedCameraIDText();
    const bool isListed = std::any_of(cameras_.cbegin(), cameras_.cend(),
                                      [&](const CameraChoice& c) { return c.id == selected; });
    // Before listing, a chosen camera is not known to be missing.
    if (!selected.isEmpty() && !isListed && isListing_) {
        rows.append({QCoreApplication::translate("Settings", "Not connected"), selected, true});
    }
    return rows;
}

void CameraChoiceList::rebuild() {
    const bool wasMissing = isSelectedCameraMissing();
    QList<Row> rows = buildRows();
    if (rows != rows_) {
        // A picker keeps its open popup steady through a reset better than through moves.
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    // Emitted even when the index is unchanged: a reset makes the picker forget it.
    Q_EMIT currentIndexChanged();
    if (wasMissing != isSelectedCameraMissing()) {
        Q_EMIT isSelectedCameraMissingChanged();
    }
}

int CameraChoiceList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant CameraChoiceList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size()) {
        return {};
    }
    const Row& row = rows_[index.row()];
    switch (role) {
    case nameRole:
        return row.title;
    case cameraIdRole:
        return row.cameraId;
    default:
        return {};
    }
}

QHash<int, QByteArray> CameraChoiceList::roleNames() const {
    return {{nameRole, "name"}, {cameraIdRole, "cameraId"}};
}

int CameraChoiceList::currentIndex() const {
    const QString selected = settings_.selectedCameraIDText();
    for (qsizetype i = 0; i < rows_.size(); ++i) {
        if (rows_[i].cameraId == selected) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

bool CameraChoiceList::isSelectedCameraMissing() const {
    return !rows_.isEmpty() && rows_.last().isMissing;
}

void CameraChoiceList::choose(int row) {
    if (row < 0 || row >= rows_.size()) {
        return;
    }
    settings_.setSelectedCameraIDText(rows_[row].cameraId);
}

void CameraChoiceList::useAutomatic() {
    settings_.setSelectedCameraIDText({});
}

} // namespace qv
