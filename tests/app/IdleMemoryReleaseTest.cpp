// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/IdleMemoryRelease.h"

#include "core/time/VirtualTimeSource.h"

#include <QQuickWindow>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace qv;

namespace {

constexpr double settle = IdleMemoryRelease::settleSeconds;

// What happens to the windows, in order: show, hide or delete window N, or let time pass.
struct Step {
    enum Kind { show, hide, destroy, wait } kind;
    double value; // the window's number, or seconds
};

TEST(IdleMemoryRelease, ReleasesOnceTheLastQuickWindowHasGone) {
    using enum Step::Kind;
    struct Case {
        const char* name;
        std::vector<Step> steps;
        int releases;
    };
    const Case cases[] = {
        {"only window hidden", {{show, 0}, {hide, 0}, {wait, settle}}, 1},
        {"not before its engine had time to go", {{show, 0}, {hide, 0}, {wait, settle - 0.5}}, 0},
        {"deleted while showing", {{show, 0}, {destroy, 0}, {wait, settle}}, 1},
        {"another still shows", {{show, 0}, {show, 1}, {hide, 0}, {wait, settle}}, 0},
        {"the other goes later",
         {{show, 0}, {show, 1}, {hide, 0}, {wait, settle}, {hide, 1}, {wait, settle}},
         1},
        {"shown again at once",
         {{show, 0}, {hide, 0}, {wait, settle / 2}, {show, 0}, {wait, settle}},
         0},
        {"each time the last goes",
         {{show, 0}, {hide, 0}, {wait, settle}, {show, 1}, {destroy, 1}, {wait, settle}},
         2},
    };
    for (const Case& c : cases) {
        VirtualTimeSource time;
        int releases = 0;
        IdleMemoryRelease release(time, [&] { ++releases; });
        std::vector<std::unique_ptr<QQuickWindow>> windows(2);
        for (const Step& step : c.steps) {
            auto& window = windows.at(step.kind == wait ? 0 : std::size_t(step.value));
            if (step.kind == wait) {
                time.advance(step.value);
            } else if (step.kind == show) {
                window = std::make_unique<QQuickWindow>();
                window->resize(80, 60);
                window->show();
            } else if (step.kind == hide) {
                window->hide();
            } else {
                window.reset();
            }
        }
        EXPECT_EQ(releases, c.releases) << c.name;
    }
}

// A widget window (the tray's menu) coming and going is no reason to wait for a Quick window
// that still shows.
TEST(IdleMemoryRelease, AWidgetClosingDoesNotReleaseUnderAShowingQuickWindow) {
    VirtualTimeSource time;
    int releases = 0;
    IdleMemoryRelease release(time, [&] { ++releases; });
    QQuickWindow quick;
    quick.show();
    QWidget menu;
    menu.show();
    menu.hide();
    time.advance(settle);
    EXPECT_EQ(releases, 0);
    quick.hide();
    time.advance(settle);
    EXPECT_EQ(releases, 1);
}

} // namespace
