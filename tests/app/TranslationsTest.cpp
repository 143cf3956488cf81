// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include "app/CommandLine.h"
#include "core/breakscreen/BreakScreenTexts.h"
#include "core/scheduling/ActiveHours.h"
#include "core/time/Calendar.h"

#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

namespace qv {
namespace {

using breakscreen::summaryText;
using Mode = BreakOverlayModel::Mode;

// Each case starts from English with the system's formats, as the program does.
class Translations : public ::testing::Test {
protected:
    void TearDown() override {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(QLocale::system());
    }

    static QString squatSummary(int repetitions) {
        return summaryText({repetitions, 0, true}, ExerciseKind::squat);
    }
};

TEST_F(Translations, GermanReachesCoreTextsCommandLineAndPluralForms) {
    installTranslations(*qApp, QStringLiteral("de"));
    EXPECT_EQ(breakscreen::heading(Mode::success), u"PAUSE GESCHAFFT");
    // The classifier's key picks the cue; the cue, not the key, is translated.
    EXPECT_EQ(breakscreen::coachingHeadline(ExerciseKind::squat, StatusKind::coaching,
                                            QStringLiteral("Squat down")),
              u"In die Hocke");
    EXPECT_EQ(squatSummary(1), u"1 Kniebeuge erledigt");
    EXPECT_EQ(squatSummary(3), u"3 Kniebeugen erledigt");
    EXPECT_TRUE(parsePauseDuration(QStringLiteral("5x")).error().contains(u"keine Dauer"));
}

TEST_F(Translations, ALanguageWithoutCatalogueStaysEnglish) {
    installTranslations(*qApp, QStringLiteral("fr"));
    EXPECT_EQ(breakscreen::heading(Mode::success), u"BREAK COMPLETE");
    EXPECT_EQ(squatSummary(1), u"1 squat completed");
    EXPECT_EQ(squatSummary(3), u"3 squats completed");
}

TEST_F(Translations, PseudoLanguageMarksEveryTextItReaches) {
    installTranslations(*qApp, QStringLiteral("pseudo"));
    const QString heading = breakscreen::heading(Mode::success);
    EXPECT_TRUE(heading.startsWith(u'[') && heading.endsWith(u']')) << heading.toStdString();
    EXPECT_GT(heading.size(), QStringLiteral("BREAK COMPLETE").size() * 13 / 10);
}

TEST_F(Translations, TimesFollowTheChosenLanguagesFormats) {
    installTranslations(*qApp, QStringLiteral("de"));
    EXPECT_EQ(timeLabel(22 * 60, Calendar().locale()), u"22:00");
    EXPECT_EQ(timeLabel(22 * 60, QLocale(QLocale::English, QLocale::UnitedStates)), u"10:00 PM");
}

} // namespace
} // namespace qv
