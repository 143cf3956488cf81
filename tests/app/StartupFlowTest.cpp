// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartupFlow.h"

#include "core/scheduling/SchedulerKeys.h"
#include "core/settings/SettingsStore.h"
#include "core/storage/SettingsFileStore.h"
#include "support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

namespace qv {
namespace {

// Each launch reads the settings file afresh, as a new process would.
class StartupFlowTest : public ::testing::Test {
protected:
    struct Launch {
        explicit Launch(const QString& path)
            : file(path) {}
        SettingsFileStore file;
        SettingsStore settings{file};
        StartupFlow flow{settings, file};
        std::function<void()> completeOnboarding;
        int onboardings = 0;
        int starts = 0;

        void run() {
            flow.showOnboarding = [this](std::function<void()> completion) {
                ++onboardings;
                completeOnboarding = [this, completion] {
                    settings.setHasCompletedOnboarding(true);
                    completion();
                };
            };
            flow.start = [this] { ++starts; };
            flow.run();
        }
    };
    std::unique_ptr<Launch> launch() {
        return std::make_unique<Launch>(home.filePath(QStringLiteral("Quorvantel.conf")));
    }

    test::TemporaryHome home;
};

// A first launch quit during the onboarding is a first launch again next time.
TEST_F(StartupFlowTest, FirstLaunchShowsTheOnboardingUntilItCompletesAndStartsOnlyThen) {
    launch()->run();
    auto first = launch();
    first->run();
    EXPECT_EQ(first->flow.launch(), StartupFlow::Launch::first);
    EXPECT_EQ(first->onboardings, 1);
    EXPECT_EQ(first->starts, 0);
    first->completeOnboarding();
    first->completeOnboarding();
    EXPECT_EQ(first->starts, 1);
    first->file.setText(schedulerKeys::state, QStringLiteral("working"));
    first.reset();

    auto next = launch();
    next->run();
    EXPECT_EQ(next->flow.launch(), StartupFlow::Launch::returning);
    EXPECT_EQ(next->onboardings, 0);
    EXPECT_EQ(next->starts, 1);
}

// Marking the welcome as done is the person's own act: a schedule stored some other way (an
// old installation, a request that slipped in during a welcome) must not write it.
TEST_F(StartupFlowTest, AUserFromBeforeTheOnboardingStartsAtOnceWithoutItBeingMarkedDone) {
    {
        SettingsFileStore earlier(home.filePath(QStringLiteral("Quorvantel.conf")));
        earlier.setText(schedulerKeys::state, QStringLiteral("working"));
    }
    auto migrated = launch();
    migrated->run();
    EXPECT_EQ(migrated->flow.launch(), StartupFlow::Launch::migrated);
    EXPECT_EQ(migrated->onboardings, 0);
    EXPECT_EQ(migrated->starts, 1);

    SettingsFileStore reread(home.filePath(QStringLiteral("Quorvantel.conf")));
    EXPECT_FALSE(reread.contains(QStringLiteral("settings.hasCompletedOnboarding")));
}

} // namespace
} // namespace qv
