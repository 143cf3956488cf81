// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/breakscreen/WindowLockController.h"

#include "DesktopTools.h"
#include "core/time/EventLoopTimeSource.h"
#include "platform/linux/X11BreakHold.h"
#include "platform/linux/X11WindowFocus.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QtQml/qqmlextensionplugin.h>
#include <cstdio>
#include <gtest/gtest.h>

Q_IMPORT_QML_PLUGIN(Quorvantel_ThemePlugin)
Q_IMPORT_QML_PLUGIN(Quorvantel_BreakScreenPlugin)

namespace qv {
namespace {

using namespace qv::test;

BreakOverlayModel::Initial initial() {
    BreakOverlayModel::Initial values;
    values.targetRepetitions = 10;
    values.emergencyEscapesRemaining = 3;
    return values;
}

class WindowLockControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), u"xcb") << "needs the private X desktop";
        model.onEmergencyKeyStateChanged = [this](bool held) { chord.push_back(held); };
    }
    void TearDown() override {
        controller.release(false);
        run("xrandr --delmonitor qv-left");
        run("xrandr --delmonitor qv-right");
        // The next test starts from one screen, with no screen change still on its way.
        waitUntil([] { return QGuiApplication::screens().size() == 1; }, 5000);
        waitUntil([] { return false; }, 300);
    }

    static void splitScreen() {
        run("xrandr --setmonitor qv-left 960/254x1080/286+0+0 screen");
        run("xrandr --setmonitor qv-right 960/254x1080/286+960+0 none");
        waitUntil([] { return QGuiApplication::screens().size() == 2; }, 5000);
    }

    bool breakWindowHasFocus() const {
        // Asked in-process: a tool started for every look would slow the looking down.
        const auto active = probe->activeWindow();
        for (OverlayWindow* window : controller.windows()) {
            if (active && window->winId() == *active && window->isActive()) {
                return true;
            }
        }
        return false;
    }

    bool everyPixelCovered() const {
        const QImage picture = screenshot();
        return !picture.isNull() && countColour(picture, ForeignWindow::colour) == 0;
    }

    void key(const char* action, const char* keys) {
        run(QStringLiteral("xdotool %1 %2").arg(QLatin1String(action), QLatin1String(keys)));
    }
    static void activate(quint64 window) {
        run(QStringLiteral("xdotool windowactivate %1").arg(window));
    }

    // Holds and lets go of the escape chord; says whether the break heard it. Its arrival also
    // says that every key sent before it has been handled.
    bool chordReachesTheBreak() {
        key("keydown", "shift+ctrl+e");
        const bool heard = waitUntil([&] { return model.isEmergencyKeyHeld(); }, 2000);
        key("keyup", "shift+ctrl+e");
        waitUntil([&] { return !model.isEmergencyKeyHeld(); }, 2000);
        return heard;
    }

    EventLoopTimeSource time;
    BreakOverlayModel model{initial(), nullptr};
    WindowLockController controller{time,
                                    {X11WindowFocus::create(), {}, X11BreakHold::create(time)}};
    std::vector<bool> chord;
    std::unique_ptr<X11WindowFocus> probe = X11WindowFocus::create();
};

TEST_F(WindowLockControllerTest, TakesFocusBackFromAnotherProgramAndReturnsItOnRelease) {
    ForeignWindow before("qv-before");
    ForeignWindow thief("qv-thief");
    activate(before.id());
    ASSERT_TRUE(waitUntil([&] { return activeWindow() == before.id(); }, 3000));
    controller.lock(model);
    ASSERT_TRUE(waitUntil([&] { return breakWindowHasFocus() && everyPixelCovered(); }, 5000));

    // The desktop's record of the active window, as it changes, with when it changed.
    std::optional<qint64> thiefActiveAtMs;
    QElapsedTimer clock;
    clock.start();
    probe->onActiveWindowChanged = [&] {
        if (probe->activeWindow() == thief.id() && !thiefActiveAtMs) {
            thiefActiveAtMs = clock.elapsed();
        }
    };
    // The window manager may turn a request down while it is busy: ask until it obeys.
    for (int attempt = 0; attempt < 5 && !thiefActiveAtMs; ++attempt) {
        activate(thief.id());
        waitUntil([&] { return thiefActiveAtMs.has_value(); }, 1000);
    }
    ASSERT_TRUE(thiefActiveAtMs) << "the other window never came forward";
    // Taken back 0.05 s after the other window came forward; on an idle machine well within
    // 0.2 s. The bound here is wider only because test machines are shared and loaded.
    ASSERT_TRUE(waitUntil([&] { return breakWindowHasFocus(); }, 2000));
    const qint64 answeredMs = clock.elapsed() - *thiefActiveAtMs;
    RecordProperty("answeredMs", static_cast<int>(answeredMs));
    std::printf("focus taken back %lld ms after the other window came forward\n", answeredMs);
    EXPECT_LT(answeredMs, 1000);
    EXPECT_TRUE(everyPixelCovered());

    // Release hands focus to the window the user tried to use last.
    controller.release(false);
    EXPECT_TRUE(controller.windows().empty());
    EXPECT_TRUE(waitUntil([&] { return activeWindow() == thief.id(); }, 3000))
        << "focus is on " << activeWindow().value_or(0) << ", the thief is " << thief.id()
        << ", the window before the break " << before.id();
}

TEST_F(WindowLockControllerTest, ANewWindowIsCoveredAgainAndGetsNoKeys) {
    controller.lock(model);
    ASSERT_TRUE(waitUntil([&] { return breakWindowHasFocus() && everyPixelCovered(); }, 5000));

    // The X server's own picture shows none of it within a second, and focus is the break's.
    ForeignWindow opened("qv-opened");
    ASSERT_TRUE(opened.isValid());
    QElapsedTimer sinceOpened;
    sinceOpened.start();
    EXPECT_TRUE(waitUntil([&] { return breakWindowHasFocus(); }, 1000));
    EXPECT_TRUE(everyPixelCovered());
    std::printf("break in front again %lld ms after a window opened\n", sinceOpened.elapsed());

    // Keys typed while another program was given focus stay with the break.
    KeyWatcher typist("qv-typist");
    ASSERT_TRUE(typist.isValid());
    activate(typist.id());
    key("type", "typed");
    EXPECT_TRUE(chordReachesTheBreak());
    EXPECT_FALSE(typist.sawKeyPress());
    EXPECT_TRUE(waitUntil([&] { return breakWindowHasFocus(); }, 1000));
}

TEST_F(WindowLockControllerTest, DesktopShortcutsAndSwitchingDesktopsDoNotLeaveTheBreak) {
    ForeignWindow other("qv-other");
    controller.lock(model);
    ASSERT_TRUE(waitUntil([&] { return breakWindowHasFocus() && everyPixelCovered(); }, 5000));
    const int desktop = currentDesktop();

    // The window manager's bindings: window cycling, the Super key, the next desktop and the
    // bare desktop. None may act while the break holds the keyboard.
    for (const char* keys : {"alt+Tab", "super", "ctrl+alt+Right", "super+d"}) {
        key("key", keys);
        EXPECT_TRUE(chordReachesTheBreak()) << "after " << keys;
        EXPECT_EQ(currentDesktop(), desktop) << "after " << keys;
        EXPECT_TRUE(breakWindowHasFocus()) << "after " << keys;
    }
    EXPECT_TRUE(everyPixelCovered());

    // A desktop switched by other means, as a pager does, still shows the break, which keeps
    // the keyboard.
    run(QStringLiteral("xdotool set_desktop %1").arg(desktop + 1));
    ASSERT_TRUE(waitUntil([&] { return currentDesktop() == desktop + 1; }, 2000));
    EXPECT_TRUE(everyPixelCovered());
    EXPECT_TRUE(chordReachesTheBreak());
    run(QStringLiteral("xdotool set_desktop %1").arg(desktop));
}

TEST_F(WindowLockControllerTest, CoversEveryPixelOfTwoMonitorsAsTheyComeAndGo) {
    controller.lock(model);
    ASSERT_EQ(controller.windows().size(), 1u);
    const OverlayWindow* first = controller.windows().front();
    splitScreen();
    ASSERT_TRUE(waitUntil([&] { return controller.windows().size() == 2; }, 3000));
    for (OverlayWindow* window : controller.windows()) {
        EXPECT_NE(window, first);
        EXPECT_TRUE(window->flags().testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(window->flags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(window->geometry(), window->screen()->geometry());
        EXPECT_EQ(window->opacity(), 1.0); // rebuilt without a fade
        EXPECT_TRUE(window->loadErrors().isEmpty()) << window->loadErrors().toStdString();
    }
    ForeignWindow other("qv-other");
    ASSERT_TRUE(other.isValid());
    EXPECT_TRUE(waitUntil([&] { return everyPixelCovered(); }, 5000));
    EXPECT_TRUE(waitUntil([&] { return breakWindowHasFocus(); }, 2000));
    // The old windows closed after the new ones were shown, and did not take the keyboard
    // with them: the window manager still hears none of its bindings.
    const int desktop = currentDesktop();
    key("key", "ctrl+alt+Right");
    EXPECT_TRUE(chordReachesTheBreak());
    EXPECT_EQ(currentDesktop(), desktop);

    run("xrandr --delmonitor qv-right");
    run("xrandr --delmonitor qv-left");
    EXPECT_TRUE(waitUntil([&] { return controller.windows().size() == 1; }, 3000));
    EXPECT_TRUE(waitUntil([&] { return everyPixelCovered(); }, 5000));
}

TEST_F(WindowLockControllerTest, ChordIsHeldOnceThroughKeyRepeatAndLetGo) {
    run("xset r on");
    run("xset r rate 200 30");
    controller.lock(model);
    ASSERT_TRUE(waitUntil([&] { return breakWindowHasFocus(); }, 5000));

    key("keydown", "ctrl+e"); // without Shift: not the chord
    key("keyup", "ctrl+e");
    waitUntil([] { return false; }, 200);
    EXPECT_TRUE(chord.empty());

    key("keydown", "shift+ctrl+e");
    ASSERT_TRUE(waitUntil([&] { return model.isEmergencyKeyHeld(); }, 2000));
    waitUntil([] { return false; }, 800); // the server repeats E meanwhile
    EXPECT_EQ(chord, std::vector<bool>{true});
    key("keyup", "e");
    EXPECT_TRUE(waitUntil([&] { return !model.isEmergencyKeyHeld(); }, 2000));
    key("keyup", "shift+ctrl");
    waitUntil([] { return false; }, 300);
    EXPECT_EQ(chord, (std::vector<bool>{true, false}));

    // Letting go of Ctrl first also ends it.
    key("keydown", "shift+ctrl+e");
    ASSERT_TRUE(waitUntil([&] { return model.isEmergencyKeyHeld(); }, 2000));
    key("keyup", "ctrl");
    EXPECT_TRUE(waitUntil([&] { return !model.isEmergencyKeyHeld(); }, 2000));
    key("keyup", "shift+e");
    waitUntil([] { return false; }, 300);
    EXPECT_EQ(chord, (std::vector<bool>{true, false, true, false}));
}

TEST_F(WindowLockControllerTest, HeldChordIsCancelledByReleaseAndLockTwiceKeepsTheWindows) {
    controller.lock(model);
    const auto windows = controller.windows();
    controller.lock(model);
    EXPECT_EQ(controller.windows(), windows);
    ASSERT_TRUE(waitUntil([&] { return breakWindowHasFocus(); }, 5000));
    key("keydown", "shift+ctrl+e");
    ASSERT_TRUE(waitUntil([&] { return model.isEmergencyKeyHeld(); }, 2000));
    controller.release(true);
    EXPECT_FALSE(controller.isLocked());
    EXPECT_EQ(chord, (std::vector<bool>{true, false}));
    key("keyup", "shift+ctrl+e");
    controller.release(true); // nothing more to release
}

} // namespace
} // namespace qv
