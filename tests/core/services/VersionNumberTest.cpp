// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/services/VersionNumber.h"

#include <gtest/gtest.h>

using qv::VersionNumber;

namespace {

struct VersionOrder {
    const char* lower;
    const char* higher;
};

class VersionComparison : public ::testing::TestWithParam<VersionOrder> {};

TEST_P(VersionComparison, OrdersReleasesAsPeopleReadThem) {
    const auto lower = VersionNumber::parse(GetParam().lower);
    const auto higher = VersionNumber::parse(GetParam().higher);
    ASSERT_TRUE(lower && higher);
    EXPECT_LT(*lower, *higher);
    EXPECT_GT(*higher, *lower);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, VersionComparison,
    ::testing::Values(VersionOrder{"1.9", "1.10"}, VersionOrder{"1.2.9", "1.3"},
                      VersionOrder{"0.9.9", "1.0.0"}, VersionOrder{"1.0.0-beta.2", "1.0.0-beta.10"},
                      VersionOrder{"1.0.0-alpha", "1.0.0-beta"},
                      VersionOrder{"1.0.0-7", "1.0.0-alpha"}, VersionOrder{"1.0.0-rc.1", "1.0.0"},
                      VersionOrder{"1.0.0-rc", "1.0.0-rc.1"}, VersionOrder{"2", "2.0.1"}));

TEST(VersionNumber, EqualSpellingsAndRefusedTexts) {
    EXPECT_EQ(*VersionNumber::parse("1.2"), *VersionNumber::parse("1.2.0"));
    EXPECT_EQ(*VersionNumber::parse("v1.2.0+build.7"), *VersionNumber::parse("1.2"));
    for (const char* text :
         {"", "1.", ".1", "1..2", "one", "1.2 beta", "1.-2", "1.2-", "99999999999999999999"}) {
        EXPECT_FALSE(VersionNumber::parse(text)) << text;
    }
}

} // namespace
