// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settingsui/SettingsTexts.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace texts = qv::settingsTexts;
using qv::ActiveHoursWindow;
using qv::BreakHoldGuarantee;
using qv::BreakHoldRemedy;
using qv::StatusRow;

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale german(QLocale::German, QLocale::Germany);

TEST(SettingsTexts, ExplainsTheActiveHoursWindowInEachOfItsShapes) {
    const QString tail = ". A break that comes due outside the window waits for it to reopen. "
                         "Start break now always works.";
    struct Case {
        const char* name;
        ActiveHoursWindow window;
        QLocale locale;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"off",
         {false, 480, 1200, false},
         english,
         "Breaks can interrupt at any hour, including overnight. Turn this on to keep the "
         "full-screen break inside your working day."},
        {"off, even with equal bounds",
         {false, 600, 600, false},
         english,
         "Breaks can interrupt at any hour, including overnight. Turn this on to keep the "
         "full-screen break inside your working day."},
        {"equal start and end",
         {true, 600, 600, true},
         english,
         "The start and end match, so breaks can interrupt all day. Set different times to "
         "create a window."},
        {"a working day",
         {true, 480, 1200, false},
         english,
         "Breaks only take over the screen between 8:00 AM and 8:00 PM" + tail},
        {"across midnight",
         {true, 1320, 360, false},
         english,
         "Breaks only take over the screen between 10:00 PM and 6:00 AM the next morning" + tail},
        {"ending at midnight is not the next morning",
         {true, 0, 1439, false},
         german,
         "Breaks only take over the screen between 00:00 and 23:59" + tail},
        {"one minute across midnight",
         {true, 1439, 0, false},
         german,
         "Breaks only take over the screen between 23:59 and 00:00 the next morning" + tail},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(texts::activeHoursExplanation(c.window, c.locale), c.expected) << c.name;
    }
}

TEST(SettingsTexts, DescribesTheChosenExerciseWithTheRepetitionCount) {
    EXPECT_EQ(texts::verificationDescription(qv::ExerciseKind::squat, 10),
              "10 squats end the break. On-device pose tracking follows your hips, knees, and "
              "ankles through the full movement.");
    EXPECT_EQ(texts::verificationDescription(qv::ExerciseKind::overheadRaise, 7),
              "7 overhead raises end the break. On-device pose tracking follows both wrists from "
              "below the shoulders to above the head and back.");
}

TEST(SettingsTexts, StepperValuesCarryTheirUnits) {
    EXPECT_EQ(texts::minutesValue(50), "50 min");
    EXPECT_EQ(texts::secondsValue(300), "300 sec");
    EXPECT_EQ(texts::countValue(3), "3");
}

TEST(SettingsTexts, NotificationRowFollowsTheDesktopsAnswer) {
    using enum StatusRow::Symbol;
    using Status = qv::NotificationStatus;
    const std::vector<std::pair<Status, StatusRow>> cases = {
        {Status::notDetermined, {info, "Choose whether to receive a heads-up", "Enable"}},
        {Status::denied, {warning, "Heads-up notifications are off", "Open Notification Settings"}},
        {Status::authorized, {ready, "Heads-up notifications are on", ""}},
        {Status::unknown, {question, "Notification status is unavailable", ""}},
    };
    for (const auto& [status, row] : cases) {
        EXPECT_EQ(texts::notificationStatusRow(status), row) << row.text.toStdString();
    }
}

TEST(SettingsTexts, CameraAccessRowOffersSettingsOnlyWhenAccessIsOff) {
    using Access = qv::CameraAuthorization;
    const QString off =
        "Camera access is off. Breaks will use the timed fallback until it is enabled.";
    const QString notAsked = "Your system will ask before the first camera-verified break. The "
                             "permission dialog always appears before the full-screen break.";
    const std::vector<std::pair<Access, StatusRow>> cases = {
        {Access::authorized, {StatusRow::Symbol::ready, "Camera access is ready", ""}},
        {Access::denied, {StatusRow::Symbol::warning, off, "Open Camera Settings"}},
        {Access::restricted, {StatusRow::Symbol::warning, off, "Open Camera Settings"}},
        {Access::notDetermined, {StatusRow::Symbol::info, notAsked, ""}},
    };
    for (const auto& [access, row] : cases) {
        EXPECT_EQ(texts::cameraAccessRow(access), row) << int(access);
    }
}

TEST(SettingsTexts, VersionShowsTheBuildOnlyWhenItSaysMore) {
    struct Case {
        QString version, build, expected;
    };
    for (const auto& c : std::vector<Case>{{"1.2", "", "1.2"},
                                           {"1.2", "1.2", "1.2"},
                                           {"1.2", "45", "1.2 (45)"},
                                           {"", "", "0.0"},
                                           {"", "7", "0.0 (7)"}}) {
        EXPECT_EQ(texts::versionText(c.version, c.build), c.expected);
    }
}

// Silent where the desktop holds a break; otherwise one plain sentence, with the way out only
// where there is one.
TEST(SettingsTexts, BreakHoldNoteSaysWhatTheDesktopCannotPromise) {
    using G = BreakHoldGuarantee;
    using R = BreakHoldRemedy;
    EXPECT_EQ(texts::breakHoldNote({G::held, R::none}), QString());
    const QString plain = texts::breakHoldNote({G::leavable, R::none});
    EXPECT_TRUE(plain.contains(QStringLiteral("switching to another window")));
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
