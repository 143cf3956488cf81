// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/services/LaunchAtLoginController.h"
#include "core/services/UpdaterService.h"
#include "core/settings/SettingsStore.h"
#include "core/settingsui/BreakHoldNotice.h"
#include "core/settingsui/CameraChoiceList.h"
#include "core/settingsui/SettingsViewModel.h"
#include "core/stats/StatsPaneModel.h"
#include "core/storage/SaveProblems.h"

#include <QObject>
#include <QtQml/qqml.h>

namespace qv {

// Everything the settings window shows, handed to its view as one object. The services that
// are missing are null: their controls stay disabled or their pane says so. Not final: QML's
// type registration derives from a class it could construct.
class SettingsWindowModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Handed in by the settings window.")
    Q_PROPERTY(qv::SettingsStore* settings MEMBER settings CONSTANT)
    Q_PROPERTY(qv::SettingsViewModel* texts MEMBER texts CONSTANT)
    Q_PROPERTY(qv::LaunchAtLoginController* launchAtLogin MEMBER launchAtLogin CONSTANT)
    Q_PROPERTY(qv::UpdaterService* updater MEMBER updater CONSTANT)
    Q_PROPERTY(qv::CameraChoiceList* cameras MEMBER cameras CONSTANT)
    Q_PROPERTY(qv::StatsPaneModel* stats MEMBER stats CONSTANT)
    Q_PROPERTY(qv::SaveProblems* saveProblems MEMBER saveProblems CONSTANT)
    Q_PROPERTY(qv::BreakHoldNotice* breakHold MEMBER breakHold CONSTANT)

public:
    using QObject::QObject;

    SettingsStore* settings = nullptr;
    SettingsViewModel* texts = nullptr;
    LaunchAtLoginController* launchAtLogin = nullptr;
    UpdaterService* updater = nullptr;
    CameraChoiceList* cameras = nullptr;
    StatsPaneModel* stats = nullptr;
    SaveProblems* saveProblems = nullptr;
    BreakHoldNotice* breakHold = nullptr;
};

} // namespace qv
