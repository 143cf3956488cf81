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

#include <QtQml/qqml.h>

// The core's objects as the settings window's QML knows them: typed, so that every binding to
// them is checked, and never made by QML itself: the window hands them in.
namespace qv::settingsqml {

struct SettingsStoreType {
    Q_GADGET
    QML_FOREIGN(qv::SettingsStore)
    QML_NAMED_ELEMENT(SettingsStore)
    QML_UNCREATABLE("Handed in by the settings window.")
};

struct SettingsViewModelType {
    Q_GADGET
    QML_FOREIGN(qv::SettingsViewModel)
    QML_NAMED_ELEMENT(SettingsViewModel)
    QML_UNCREATABLE("Handed in by the settings window.")
};

struct LaunchAtLoginType {
    Q_GADGET
    QML_FOREIGN(qv::LaunchAtLoginController)
    QML_NAMED_ELEMENT(LaunchAtLoginController)
    QML_UNCREATABLE("Handed in by the settings window.")
};

struct UpdaterType {
    Q_GADGET
    QML_FOREIGN(qv::UpdaterService)
    QML_NAMED_ELEMENT(UpdaterService)
    QML_UNCREATABLE("Handed in by the settings window.")
};

struct CameraChoicesType {
    Q_GADGET
    QML_FOREIGN(qv::CameraChoiceList)
    QML_NAMED_ELEMENT(CameraChoiceList)
    QML_UNCREATABLE("Handed in by the settings window.")
};

struct StatsPaneType {
    Q_GADGET
    QML_FOREIGN(qv::StatsPaneModel)
    QML_NAMED_ELEMENT(StatsPaneModel)
    QML_UNCREATABLE("Handed in by the settings window.")
};

struct SaveProblemsType {
    Q_GADGET
    QML_FOREIGN(qv::SaveProblems)
    QML_NAMED_ELEMENT(SaveProblems)
    QML_UNCREATABLE("Handed in by the settings window.")
};

struct BreakHoldNoticeType {
    Q_GADGET
    QML_FOREIGN(qv::BreakHoldNotice)
    QML_NAMED_ELEMENT(BreakHoldNotice)
    QML_UNCREATABLE("Handed in by the settings window.")
};

struct SettingRangeType {
    Q_GADGET
    QML_FOREIGN(qv::SettingRange)
    QML_VALUE_TYPE(settingRange)
};

struct StatusLineType {
    Q_GADGET
    QML_FOREIGN(qv::StatusLineView)
    QML_VALUE_TYPE(statusLine)
};

struct ChartBarType {
    Q_GADGET
    QML_FOREIGN(qv::ChartBarView)
    QML_VALUE_TYPE(chartBar)
};

} // namespace qv::settingsqml
