// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/services/VersionNumber.h"

#include <gtest/gtest.h>

using qv::VersionNumber;

namespace {

TEST(VersionNumber, OrdersReleasesAsPeopleReadThem) {
    const std::pair<const char*, const char*> ordered[] = {{"1.9", "1.10"},
                                                           {"1.2.9", "1.3"},
                                                           {"0.9.9", "1.0.0"},
                                                           {"1.0.0-beta.2", "1.0.0-beta.10"},
                                                           {"1.0.0-alpha", "1.0.0-beta"},
                                                           {"1.0.0-7", "1.0.0-alpha"},
                                                           {"1.0.0-rc.1", "1.0.0"},
                                                           {"1.0.0-rc", "1.0.0-rc.1"},
                                                           {"2", "2.0.1"}};
    for (const auto& [lowerText, higherText] : ordered) {
        const auto lower = VersionNumber::parse(lowerText);
        const auto higher = VersionNumber::parse(higherText);
        ASSERT_TRUE(lower && higher) << lowerText << " " << higherText;
        EXPECT_LT(*lower, *higher) << lowerText << " < " << higherText;
        EXPECT_GT(*higher, *lower) << higherText << " > " << lowerText;
    }
}

TEST(VersionNumber, EqualSpellingsAndRefusedTexts) {
    EXPECT_EQ(*VersionNumber::parse("1.2"), *VersionNumber::parse("1.2.0"));
    EXPECT_EQ(*VersionNumber::parse("v1.2.0+build.7"), *VersionNumber::parse("1.2"));
    for (const char* text :
         {"", "1.", ".1", "1..2", "one", "1.2 beta", "1.-2", "1.2-", "99999999999999999999"}) {
        EXPECT_FALSE(VersionNumber::parse(text)) << text;
    }
}

} // namespace
