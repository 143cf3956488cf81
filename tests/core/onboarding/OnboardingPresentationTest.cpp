// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/onboarding/OnboardingPresentation.h"

#include "core/services/LaunchAtLoginController.h"
#include "core/settings/SettingsStore.h"
#include "core/storage/SettingsFileStore.h"
#include "core/time/VirtualTimeSource.h"
#include "platform/linux/XdgAutostartLoginItem.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace qv {
namespace {

class OnboardingPresentationTest : public ::testing::Test {
protected:
    OnboardingPresentationTest() {
        // An installed program for launch at login to start.
        QDir().mkpath(home.filePath(QStringLiteral("bin")));
        QFile program(home.filePath(QStringLiteral("bin/quorvantel")));
        EXPECT_TRUE(program.open(QIODevice::WriteOnly));
        program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
    }

    QList<bool> tileSelection() const {
        QList<bool> selected;
        for (const QVariant& tile : presentation.intervalTiles()) {
            selected.append(tile.toMap().value(QStringLiteral("isSelected")).toBool());
        }
        return selected;
    }
    bool customSelected() const {
        return presentation.customTile().value(QStringLiteral("isSelected")).toBool();
    }
    qint64 storedInterval() const {
        SettingsFileStore reread(file.filePath());
        return SettingsStore(reread).workIntervalMinutes();
    }

    test::TemporaryHome home;
    SettingsFileStore file{home.filePath(QStringLiteral("Quorvantel.conf"))};
    SettingsStore settings{file};
    XdgAutostartLoginItem loginItem{XdgAutostartLoginItem::defaultAutostartFolder(),
                                    home.filePath(QStringLiteral("bin/quorvantel"))};
    LaunchAtLoginController launchAtLogin{loginItem};
    VirtualTimeSource time;
    OnboardingModel model{{}, nullptr};
    OnboardingPresentation presentation{model, settings, launchAtLogin, time};
};

TEST_F(OnboardingPresentationTest, IntervalTilesStoreTheChoiceAndOnlyOneTileReadsAsChosen) {
    EXPECT_EQ(tileSelection(), (QList<bool>{false, false, true, false}));
    EXPECT_FALSE(customSelected());

    presentation.chooseInterval(25);
    EXPECT_EQ(storedInterval(), 25);
    EXPECT_EQ(tileSelection(), (QList<bool>{false, true, false, false}));

    // Plus from 25 lands on no preset; minus back to 25 stays custom because the user chose it.
    presentation.adjustCustomInterval(+1);
    EXPECT_EQ(storedInterval(), 30);
    presentation.adjustCustomInterval(-1);
    EXPECT_EQ(storedInterval(), 25);
    EXPECT_TRUE(customSelected());
    EXPECT_EQ(tileSelection(), (QList<bool>{false, false, false, false}));

    presentation.chooseInterval(60);
    EXPECT_FALSE(customSelected());
    EXPECT_TRUE(presentation.nextBreakText().endsWith("1:00:00"));
}

TEST_F(OnboardingPresentationTest, CustomMinusAndPlusAreOfferedOnlyInsideTheRange) {
    presentation.chooseInterval(20);
    EXPECT_FALSE(presentation.customTile().value(QStringLiteral("canDecrease")).toBool());
    settings.setWorkIntervalMinutes(90);
    EXPECT_FALSE(presentation.customTile().value(QStringLiteral("canIncrease")).toBool());
    EXPECT_TRUE(presentation.customTile().value(QStringLiteral("canDecrease")).toBool());
}

TEST_F(OnboardingPresentationTest, AnIntervalSetElsewhereThatMatchesNoPresetShowsAsCustom) {
    int announced = 0;
    QObject::connect(&presentation, &OnboardingPresentation::customTileChanged,
                     [&] { ++announced; });
    settings.setWorkIntervalMinutes(45);
    EXPECT_EQ(announced, 1);
    EXPECT_TRUE(customSelected());
    EXPECT_TRUE(presentation.dealText().startsWith(u"Every 45 minutes"));
}

TEST_F(OnboardingPresentationTest, TimedFallbackAndLaunchAtLoginReachTheirStores) {
    // The segments choose by their place; a place past the last one changes nothing.
    presentation.chooseHonorChoice(3);
    presentation.chooseHonorChoice(4);
    EXPECT_EQ(SettingsStore(file).honorDurationSeconds(), 120);
    const QVariantList choices = presentation.honorChoices();
    EXPECT_TRUE(choices.last().toMap().value(QStringLiteral("isSelected")).toBool());
    EXPECT_FALSE(choices.first().toMap().value(QStringLiteral("isSelected")).toBool());

    presentation.setLaunchAtLogin(true);
    EXPECT_TRUE(presentation.launchAtLoginOn());
    EXPECT_EQ(loginItem.status(), LoginItemStatus::enabled);
    presentation.setLaunchAtLogin(false);
    EXPECT_EQ(loginItem.status(), LoginItemStatus::notRegistered);
}

TEST_F(OnboardingPresentationTest, RehearsalPlaysOnlyOnItsActAndRestsWithReducedMotion) {
    RehearsalStage& stage = *presentation.rehearsal();
    EXPECT_FALSE(stage.isAnimating());
    model.advance();
    ASSERT_TRUE(stage.isAnimating());
    EXPECT_EQ(stage.timerText(), QStringLiteral("00:03"));

    // One whole loop comes back to its start, passing the lock and three counted squats.
    QStringList counters;
    bool locked = false;
    QObject::connect(&stage, &RehearsalStage::counterTextChanged,
                     [&] { counters.append(stage.counterText()); });
    QObject::connect(&stage, &RehearsalStage::isLockedChanged, [&] { locked |= stage.isLocked(); });
    time.advance(0.65 * 3 + 0.9 + 3 * (0.48 + 0.56) + 1.6);
    EXPECT_TRUE(locked);
    EXPECT_EQ(counters, (QStringList{QStringLiteral("1/3"), QStringLiteral("2/3"),
                                     QStringLiteral("3/3"), QStringLiteral("0/3")}));
    EXPECT_EQ(stage.phase(), RehearsalStage::Phase::countdown);

    stage.setReduceMotion(true);
    EXPECT_FALSE(stage.isAnimating());
    EXPECT_EQ(stage.phase(), RehearsalStage::Phase::unlocked);
    stage.setReduceMotion(false);
    model.advance();
    EXPECT_FALSE(stage.isAnimating());
}

} // namespace
} // namespace qv
