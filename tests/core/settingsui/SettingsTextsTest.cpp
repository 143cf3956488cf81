// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settingsui/SettingsTexts.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace texts = qv::settingsTexts;
using qv::BreakHoldGuarantee;
using qv::BreakHoldRemedy;
using Symbol = qv::StatusRow::Symbol;

namespace {

// Times are told in the locale's clock, start first, and "the next morning" only when the
// window really runs past midnight.
TEST(SettingsTexts, ExplainsTheActiveHoursWindowInEachOfItsShapes) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    struct Case {
        qv::ActiveHoursWindow window;
        QLocale locale;
        QString shown;
        bool nextMorning;
    };
    const std::vector<Case> cases = {
        {{false, 480, 1200, false}, english, "any hour", false},
        {{false, 600, 600, false}, english, "any hour", false},
        {{true, 600, 600, true}, english, "all day", false},
        {{true, 480, 1200, false}, english, "8:00 AM and 8:00 PM", false},
        {{true, 1320, 360, false}, english, "10:00 PM and 6:00 AM", true},
        {{true, 0, 1439, false}, german, "00:00 and 23:59", false},
        {{true, 1439, 0, false}, german, "23:59 and 00:00", true},
    };
    for (const auto& c : cases) {
        const QString text = texts::activeHoursExplanation(c.window, c.locale);
        EXPECT_TRUE(text.contains(c.shown)) << text.toStdString();
        EXPECT_EQ(text.contains("next morning"), c.nextMorning) << text.toStdString();
    }
}

// A status row offers a button only where pressing it can change something.
TEST(SettingsTexts, StatusRowsOfferAButtonOnlyWhereThereIsSomethingToDo) {
    using Note = qv::NotificationStatus;
    const std::vector<std::tuple<Note, Symbol, bool>> notifications = {
        {Note::notDetermined, Symbol::info, true},
        {Note::denied, Symbol::warning, true},
        {Note::authorized, Symbol::ready, false},
        {Note::unknown, Symbol::question, false},
    };
    for (const auto& [status, symbol, button] : notifications) {
        const auto row = texts::notificationStatusRow(status);
        EXPECT_EQ(row.symbol, symbol) << int(status);
        EXPECT_EQ(!row.buttonTitle.isEmpty(), button) << int(status);
    }
    using Access = qv::CameraAuthorization;
    const std::vector<std::tuple<Access, Symbol, bool>> camera = {
        {Access::authorized, Symbol::ready, false},
        {Access::denied, Symbol::warning, true},
        {Access::restricted, Symbol::warning, true},
        {Access::notDetermined, Symbol::info, false},
    };
    for (const auto& [access, symbol, button] : camera) {
        const auto row = texts::cameraAccessRow(access);
        EXPECT_EQ(row.symbol, symbol) << int(access);
        EXPECT_EQ(!row.buttonTitle.isEmpty(), button) << int(access);
    }
}

TEST(SettingsTexts, VersionShowsTheBuildOnlyWhenItSaysMore) {
    struct Case {
        QString version, build, expected;
    };
    for (const auto& c : std::vector<Case>{{"1.2", "", "1.2"},
                                           {"1.2", "1.2", "1.2"},
                                           {"1.2", "45", "1.2 (45)"},
                                           {"", "7", "0.0 (7)"}}) {
        EXPECT_EQ(texts::versionText(c.version, c.build), c.expected);
    }
}

// Silent where the desktop holds a break; otherwise the way out only where there is one.
TEST(SettingsTexts, BreakHoldNoteSaysWhatTheDesktopCannotPromise) {
    using G = BreakHoldGuarantee;
    using R = BreakHoldRemedy;
    EXPECT_EQ(texts::breakHoldNote({G::held, R::enable}), QString());
    const QString plain = texts::breakHoldNote({G::leavable, R::none});
    EXPECT_FALSE(plain.isEmpty());
    EXPECT_TRUE(texts::breakHoldNote({G::leavable, R::enable}).startsWith(plain));
    EXPECT_TRUE(texts::breakHoldNote({G::leavable, R::enable}).contains(QStringLiteral("Turn on")));
    EXPECT_TRUE(
        texts::breakHoldNote({G::leavable, R::logInAgain}).contains(QStringLiteral("Log out")));
    // A refusal is told in the desktop's words, still with the way out, as a whole sentence.
    const QString refused = texts::breakHoldNote(
        {G::leavable, R::enable, QStringLiteral("Extensions are disabled by the administrator")});
    EXPECT_TRUE(refused.startsWith(texts::breakHoldNote({G::leavable, R::enable})));
    EXPECT_TRUE(refused.endsWith(QStringLiteral("disabled by the administrator.")));
}

} // namespace
