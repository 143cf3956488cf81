// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraBackend.h"

#include <QCameraDevice>
#include <QMediaDevices>
#include <QObject>
#include <mutex>
#include <vector>

namespace qv {

// The cameras QtMultimedia finds. Qt's own identifiers change from run to run, so a
// platform-specific identify function gives each camera its stable identifier and says
// whether it is built in; another says whether some other process holds it.
//
// Make it on the main thread (where Qt reports cameras coming and going); use it anywhere once
// prepared. It looks for cameras only when first asked on that thread, or prepared.
class QtCameraBackend final : public QObject, public CameraBackend {
public:
    struct Identity {
        QString id;
        bool isBuiltIn = false;
    };
    using Identify = std::function<Identity(const QCameraDevice&)>;
    using InUseCheck = std::function<bool(const QCameraDevice&)>;

    QtCameraBackend(Identify identify, InUseCheck isInUse, std::function<double()> clock);

    void prepare() override;
    QList<CameraDevice> devices() const override;
    Result<std::unique_ptr<FrameSource>> open(const QString& id) override;
    bool isInUseByAnotherProcess(const QString& id) const override;
    std::shared_ptr<void> watchDevices(DevicesChanged onChange) override;

private:
    struct Known {
        CameraDevice device;
        QCameraDevice qtDevice;
    };

    void prepareIfOnOwnThread() const;
    void refresh();
    std::optional<Known> find(const QString& id) const;

    Identify identify_;
    InUseCheck isInUse_;
    std::function<double()> clock_;
    std::unique_ptr<QMediaDevices> mediaDevices_; // main thread only
    mutable std::mutex mutex_;
    std::vector<Known> known_;
    std::vector<std::weak_ptr<DevicesChanged>> watchers_;
};

} // namespace qv
