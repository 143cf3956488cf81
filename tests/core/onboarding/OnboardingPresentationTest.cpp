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

} // namespace
} // namespace qv
