// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settingsui/SettingsViewModel.h"

#include "core/services/UpdateFeed.h"
#include "core/services/UpdaterService.h"
#include "core/settings/SettingsStore.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/time/VirtualTimeSource.h"
#include "support/TestSupport.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using qv::SettingsViewModel;

namespace {

class AnsweringFeed final : public qv::UpdateFeed {
public:
    void fetch(std::function<void(qv::Result<QByteArray>)> done) override {
        pending = std::move(done);
    }
    void answer(qv::Result<QByteArray> result) { std::exchange(pending, {})(std::move(result)); }
    std::function<void(qv::Result<QByteArray>)> pending;
};

class SettingsViewModelTest : public ::testing::Test {
protected:
    SettingsViewModelTest() {
        auto owned = std::make_unique<AnsweringFeed>();
        feed = owned.get();
        updater = std::make_unique<qv::UpdaterService>(defaults, time, std::move(owned), "1.0.0");
        model = std::make_unique<SettingsViewModel>(
            settings, updater.get(),
            SettingsViewModel::AboutFacts{"1.0.0", QUrl("https://example.org"), "help@example.org"},
            QLocale(QLocale::English, QLocale::UnitedStates));
    }

    qv::MemoryKeyValueStore defaults;
    qv::VirtualTimeSource time;
    qv::SettingsStore settings{defaults};
    AnsweringFeed* feed = nullptr;
    std::unique_ptr<qv::UpdaterService> updater;
    std::unique_ptr<SettingsViewModel> model;
};

// Each derived text must announce its own change, or the label next to a control goes stale.
TEST_F(SettingsViewModelTest, DerivedTextsFollowTheSettingsTheyShow) {
    struct Case {
        const char* name;
        void (SettingsViewModel::*signal)();
        std::function<void()> change;
        std::function<QString()> read;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"work interval", &SettingsViewModel::workIntervalTextChanged,
         [&] { settings.setWorkIntervalMinutes(95); }, [&] { return model->workIntervalText(); },
         "90 min"},
        {"timed break", &SettingsViewModel::honorDurationTextChanged,
         [&] { settings.setHonorDurationSeconds(45); }, [&] { return model->honorDurationText(); },
         "45 sec"},
        {"escape limit", &SettingsViewModel::escapeLimitTextChanged,
         [&] { settings.setEmergencyEscapeLimit(1); }, [&] { return model->escapeLimitText(); },
         "1"},
        {"repetitions", &SettingsViewModel::verificationDescriptionChanged,
         [&] { settings.setSquatRepetitions(12); },
         [&] { return model->verificationDescription().section(' ', 0, 1); }, "12 squats"},
        {"exercise", &SettingsViewModel::verificationDescriptionChanged,
         [&] { settings.setExerciseKind(qv::ExerciseKind::overheadRaise); },
         [&] { return model->verificationDescription().section(' ', 0, 2); }, "12 overhead raises"},
        {"active hours end", &SettingsViewModel::activeHoursExplanationChanged,
         [&] { settings.setActiveHoursEndMinute(300); },
         [&] { return model->activeHoursExplanation().section(' ', 6, 13); },
         "between 8:00 AM and 5:00 AM the next"},
        {"active hours off", &SettingsViewModel::activeHoursExplanationChanged,
         [&] { settings.setActiveHoursEnabled(false); },
         [&] { return model->activeHoursExplanation().section(' ', 0, 3); },
         "Breaks can interrupt at"},
    };
    for (const auto& c : cases) {
        QSignalSpy spy(model.get(), c.signal);
        c.change();
        EXPECT_GE(spy.count(), 1) << c.name;
        EXPECT_EQ(c.read(), c.expected) << c.name;
    }
}

// Without an opener a button would do nothing, so none is shown until one is given.
TEST_F(SettingsViewModelTest, OffersButtonsOnlyWhereSomethingCanHandleThem) {
    const auto button = [](const qv::StatusLineView& row) { return row.buttonTitle; };
    model->setNotificationStatus(qv::NotificationStatus::denied);
    model->setCameraAuthorization(qv::CameraAuthorization::denied);
    EXPECT_EQ(button(model->notificationRow()), "");
    EXPECT_EQ(button(model->cameraAccessRow()), "");

    std::vector<SettingsViewModel::SystemSettingsPage> opened;
    QSignalSpy rowChanged(model.get(), &SettingsViewModel::notificationStatusChanged);
    model->setSystemSettingsOpener([&](auto page) { opened.push_back(page); });
    EXPECT_EQ(rowChanged.count(), 1);
    EXPECT_NE(button(model->notificationRow()), "");
    EXPECT_NE(button(model->cameraAccessRow()), "");

    model->notificationAction();
    model->cameraAccessAction();
    model->openLoginItemsSettings();
    using Page = SettingsViewModel::SystemSettingsPage;
    EXPECT_EQ(opened, (std::vector{Page::notifications, Page::camera, Page::loginItems}));

    int requests = 0;
    model->onRequestNotificationAuthorization = [&] { ++requests; };
    model->setNotificationStatus(qv::NotificationStatus::notDetermined);
    model->notificationAction();
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(opened.size(), 3u) << "asking is not opening the settings";

    model->setNotificationStatus(qv::NotificationStatus::authorized);
    model->setCameraAuthorization(qv::CameraAuthorization::authorized);
    model->notificationAction();
    model->cameraAccessAction();
    EXPECT_EQ(opened.size(), 3u) << "nothing to fix, nothing opened";
}

} // namespace
