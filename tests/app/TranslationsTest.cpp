// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include "core/breakscreen/BreakScreenTexts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <gtest/gtest.h>

namespace qv {
namespace {

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
};

// Only the German catalogue exists: it reaches the core's texts and picks plural forms by
// number, and a language without a catalogue keeps the English texts.
TEST_F(Translations, ACatalogueReachesCoreTextsAndPluralsOtherLanguagesStayEnglish) {
    using breakscreen::summaryText;
    const auto heading = [] { return breakscreen::heading(BreakOverlayModel::Mode::success); };
    const auto summary = [](int n) { return summaryText({n, 0, true}, ExerciseKind::squat); };
    // The classifier's key picks the cue; the cue, not the key, is translated.
    const auto cue = [] {
        return breakscreen::coachingHeadline(ExerciseKind::squat, StatusKind::coaching,
                                             QStringLiteral("Squat down"));
    };
    const QString english[] = {heading(), summary(1), summary(3), cue()};

    installTranslations(*qApp, QStringLiteral("fr"));
    EXPECT_EQ(heading(), english[0]);
    EXPECT_EQ(summary(3), english[2]);

    installTranslations(*qApp, QStringLiteral("de"));
    const QString german[] = {heading(), summary(1), summary(3), cue()};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NE(german[i], english[i]) << english[i].toStdString();
    }
    EXPECT_TRUE(german[2].startsWith(u"3 ")) << german[2].toStdString();
    EXPECT_NE(german[1].mid(2), german[2].mid(2)) << "one plural form for every number";
}

} // namespace
} // namespace qv
