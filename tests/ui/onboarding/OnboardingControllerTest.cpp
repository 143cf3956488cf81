// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/onboarding/OnboardingController.h"

#include "core/services/LaunchAtLoginController.h"
#include "core/settings/SettingsStore.h"
#include "core/storage/SettingsFileStore.h"
#include "core/time/VirtualTimeSource.h"
#include "platform/linux/XdgAutostartLoginItem.h"
#include "support/TestSupport.h"

#include <QQuickItem>
#include <QQuickView>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>
#include <gtest/gtest.h>

Q_IMPORT_QML_PLUGIN(Quorvantel_ThemePlugin)
Q_IMPORT_QML_PLUGIN(Quorvantel_OnboardingPlugin)

namespace qv {
namespace {

// Stands in for the camera engine, which needs a camera device.
class IdleEngine final : public VerificationEngine {
public:
    explicit IdleEngine(int* stops)
        : stops_(stops) {}
    void start() override {}
    void stop() override { ++*stops_; }

private:
    int* stops_;
};

class OnboardingControllerTest : public ::testing::Test {
protected:
    OnboardingModel::Platform platform() {
        OnboardingModel::Platform p;
        p.authorizationStatus = [] { return CameraAuthorization::authorized; };
        p.makeTrialProvider = [this](const std::optional<QString>& camera) {
            askedCamera = camera;
            return std::make_unique<IdleEngine>(&stops);
        };
        return p;
    }
    bool storedCompletion() const {
        SettingsFileStore reread(file.filePath());
        return SettingsStore(reread).hasCompletedOnboarding();
    }
    // Clicks the visible button with this text, as a user would.
    bool click(const QString& text) {
        for (QQuickItem* item : controller.window()->rootObject()->findChildren<QQuickItem*>()) {
            if (item->property("text").toString() == text && item->isVisible() &&
                item->metaObject()->indexOfSignal("clicked()") >= 0) {
                const QPointF centre = item->mapToScene(QPointF(item->width(), item->height()) / 2);
                QTest::mouseClick(controller.window(), Qt::LeftButton, {}, centre.toPoint());
                return true;
            }
        }
        return false;
    }

    test::TemporaryHome home;
    SettingsFileStore file{home.filePath("Quorvantel.conf")};
    SettingsStore settings{file};
    XdgAutostartLoginItem loginItem{XdgAutostartLoginItem::defaultAutostartFolder(),
                                    home.filePath("bin/quorvantel")};
    LaunchAtLoginController launchAtLogin{loginItem};
    VirtualTimeSource time;
    int completions = 0;
    int stops = 0;
    std::optional<QString> askedCamera;
    OnboardingController controller{settings,   launchAtLogin, time,
                                    platform(), nullptr,       [this] { ++completions; }};
};

TEST_F(OnboardingControllerTest, ClosingTheWindowAtTheFirstActCompletesOnce) {
    ASSERT_TRUE(controller.show()) << controller.errorText().toStdString();
    QQuickView* window = controller.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_FALSE(storedCompletion());

    window->close();
    EXPECT_EQ(completions, 1);
    EXPECT_TRUE(storedCompletion());
    EXPECT_EQ(controller.window(), nullptr);
    controller.finish();
    EXPECT_EQ(completions, 1);
    EXPECT_FALSE(controller.show());
}

TEST_F(OnboardingControllerTest, TheRunUsesTheChosenCameraAndFinishingStopsItAndCloses) {
    settings.setSelectedCameraID("usb-Cam_01");
    ASSERT_TRUE(controller.show());
    QPointer<QQuickView> window = controller.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    ASSERT_TRUE(click("Show me"));
    ASSERT_TRUE(click("Set my terms"));
    ASSERT_TRUE(click("Lock it in"));
    EXPECT_EQ(controller.model().step(), 3);
    ASSERT_TRUE(click("Start camera"));
    EXPECT_TRUE(controller.model().isTrialRunning());
    EXPECT_EQ(askedCamera, std::optional<QString>("usb-Cam_01"));

    // The finishing click comes from the window's own QML, which must survive it.
    ASSERT_TRUE(click("Start the timer"));
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(completions, 1);
    EXPECT_TRUE(storedCompletion());
    QTest::qWait(50);
    EXPECT_TRUE(window.isNull());
}

} // namespace
} // namespace qv
