// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/services/Appcast.h"

#include <gtest/gtest.h>

namespace {

TEST(Appcast, ReadsEveryVersionedItemAndKeepsOnlySecureLinks) {
    const auto items = qv::parseAppcast(R"(<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0" xmlns:qv="urn:quorvantel:appcast:1" xmlns:other="urn:other">
  <channel><title>Quorvantel</title>
    <item><title>Quorvantel 1.1</title><qv:version>1.1.0</qv:version>
      <description><![CDATA[<p>Faster counting</p>]]></description>
      <link>https://quorvantel.invalid/download</link>
      <enclosure url="https://quorvantel.invalid/Quorvantel-1.1.0.AppImage" length="1"/>
      <other:version>9.9.9</other:version></item>
    <item><title>Quorvantel 1.0</title><qv:version>1.0.0</qv:version>
      <link>http://quorvantel.invalid/insecure</link></item>
    <item><title>No version: not a release</title></item>
  </channel></rss>)");
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), 2);
    EXPECT_EQ(items->at(0).version, "1.1.0");
    EXPECT_EQ(items->at(0).releaseNotes, "<p>Faster counting</p>");
    EXPECT_EQ(items->at(0).downloadUrl,
              QUrl("https://quorvantel.invalid/Quorvantel-1.1.0.AppImage"));
    EXPECT_EQ(items->at(1).version, "1.0.0");
    EXPECT_TRUE(items->at(1).downloadUrl.isEmpty());
}

TEST(Appcast, RefusesWhatIsNotACompleteFeed) {
    for (const char* document :
         {"", "not xml", "<html><body/></html>", "<rss version=\"2.0\"></rss>",
          "<rss version=\"2.0\"><channel><item><title>cut off",
          "<rss version=\"2.0\"><channel></channel></rss><rss/>"}) {
        EXPECT_FALSE(qv::parseAppcast(document)) << document;
    }
    const auto empty = qv::parseAppcast("<rss version=\"2.0\"><channel/></rss>");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->isEmpty());
}

} // namespace
