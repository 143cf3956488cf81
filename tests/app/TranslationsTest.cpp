// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include "core/scheduling/ActiveHours.h"
#include "core/time/Calendar.h"

#include <QCoreApplication>
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

TEST_F(Translations, TimesFollowTheChosenLanguagesFormats) {
    installTranslations(*qApp, QStringLiteral("de"));
    EXPECT_EQ(timeLabel(22 * 60, Calendar().locale()), u"22:00");
    EXPECT_EQ(timeLabel(22 * 60, QLocale(QLocale::English, QLocale::UnitedStates)), u"10:00 PM");
}

} // namespace
} // namespace qv
