// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/services/LaunchAtLoginController.h"
#include "core/services/UpdateFeed.h"
#include "core/services/UpdaterService.h"
#include "core/settings/SettingsStore.h"
#include "core/stats/StatsStore.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/storage/SaveProblems.h"
#include "core/storage/SettingsFileStore.h"
#include "core/time/VirtualTimeSource.h"
#include "platform/linux/XdgAutostartLoginItem.h"
#include "support/FakeCamera.h"
#include "support/TestSupport.h"
#include "ui/settings/SettingsWindow.h"

#include <QTimeZone>

namespace qv::test {

// Nothing here may reach the network.
class NeverAnsweringFeed final : public UpdateFeed {
public:
    void fetch(std::function<void(Result<QByteArray>)>) override {}
};

// Everything the settings window reads and writes, on real files in a home of its own.
struct SettingsWindowParts {
    static Calendar calendar() {
        return {QTimeZone("Europe/Berlin"), QLocale(QLocale::English, QLocale::UnitedStates)};
    }

    SettingsWindowServices services(CameraAuthorization authorization) {
        return {settings,
                &launchAtLogin,
                &updater,
                &stats,
                &cameras,
                [authorization] { return authorization; },
                {"1.0.0", QUrl("https://example.org"), "help@example.org"},
                calendar().locale(),
                &saveProblems};
    }

    TemporaryHome home;
    QString iniPath = home.filePath("config/Quorvantel/Quorvantel.conf");
    SettingsFileStore defaults{iniPath};
    VirtualTimeSource time;
    SettingsStore settings{defaults};
    XdgAutostartLoginItem loginItem{home.filePath("autostart"), QString("/usr/bin/true")};
    LaunchAtLoginController launchAtLogin{loginItem};
    UpdaterService updater{defaults, time, std::make_unique<NeverAnsweringFeed>(), "1.0.0"};
    MemoryKeyValueStore statsDefaults;
    StatsStore stats{statsDefaults, calendar, time, std::nullopt};
    FakeCameraBackend cameras;
    SaveProblems saveProblems;
};

} // namespace qv::test
