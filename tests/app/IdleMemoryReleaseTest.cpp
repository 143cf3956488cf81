// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/IdleMemoryRelease.h"

#include "core/time/VirtualTimeSource.h"

#include <QQuickWindow>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <vector>

using namespace qv;

namespace {

// What happens to the windows, in order: show, hide or delete window N, or let time pass.
struct Step {
    enum Kind { show, hide, destroy, wait } kind;
    double value; // the window's number, or seconds
};

struct Case {
    const char* name;
    std::vector<Step> steps;
    int releases;
};

void PrintTo(const Case& value, std::ostream* out) {
    *out << value.name;
}

constexpr double settle = IdleMemoryRelease::settleSeconds;

class IdleMemoryReleaseTest : public ::testing::TestWithParam<Case> {};

TEST_P(IdleMemoryReleaseTest, ReleasesOnceTheLastQuickWindowHasGone) {
    VirtualTimeSource time;
    int releases = 0;
    IdleMemoryRelease release(time, [&] { ++releases; });
    std::vector<std::unique_ptr<QQuickWindow>> windows(2);
    for (const Step& step : GetParam().steps) {
        if (step.kind == Step::wait) {
            time.advance(step.value);
            continue;
        }
        auto& window = windows.at(std::size_t(step.value));
        switch (step.kind) {
        case Step::show:
            window = std::make_unique<QQuickWindow>();
            window->resize(80, 60);
            window->show();
            break;
        case Step::hide:
            window->hide();
            break;
        case Step::destroy:
            window.reset();
            break;
        case Step::wait:
            break;
        }
    }
    EXPECT_EQ(releases, GetParam().releases);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, IdleMemoryReleaseTest,
    ::testing::Values(
        Case{"OnlyWindowHidden", {{Step::show, 0}, {Step::hide, 0}, {Step::wait, settle}}, 1},
        Case{"NotBeforeItsEngineHadTimeToGo",
             {{Step::show, 0}, {Step::hide, 0}, {Step::wait, settle - 0.5}},
             0},
        Case{"DeletedWhileShowing", {{Step::show, 0}, {Step::destroy, 0}, {Step::wait, settle}}, 1},
        Case{"AnotherStillShows",
             {{Step::show, 0}, {Step::show, 1}, {Step::hide, 0}, {Step::wait, settle}},
             0},
        Case{"TheOtherGoesLater",
             {{Step::show, 0},
              {Step::show, 1},
              {Step::hide, 0},
              {Step::wait, settle},
              {Step::hide, 1},
              {Step::wait, settle}},
             1},
        Case{"ShownAgainAtOnce",
             {{Step::show, 0},
              {Step::hide, 0},
              {Step::wait, settle / 2},
              {Step::show, 0},
              {Step::wait, settle}},
             0},
        Case{"EachTimeTheLastGoes",
             {{Step::show, 0},
              {Step::hide, 0},
              {Step::wait, settle},
              {Step::show, 1},
              {Step::destroy, 1},
              {Step::wait, settle}},
             2}),
    [](const ::testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });

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
