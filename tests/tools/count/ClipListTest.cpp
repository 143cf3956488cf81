// SPDX-License-Identifier: GPL-3.0-or-later
// Reading clip lists and telling how a count compares with the people's.

#include "tools/count/ClipList.h"

#include "support/FileBytes.h"
#include "support/TestSupport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace qv;

namespace {

QString writeList(const test::TemporaryHome& home, const QByteArray& json) {
    const QString path = home.filePath(QStringLiteral("clips.json"));
    EXPECT_TRUE(test::writeFile(path, json));
    return path;
}

ClipOutcome outcome(const char* file, int reps, int counted) {
    ClipOutcome o;
    o.clip.file = QLatin1String(file);
    o.clip.repetitions = reps;
    o.counted = counted;
    return o;
}

} // namespace

TEST(ClipList, RefusesAListItCannotTrustNamingTheEntry) {
    test::TemporaryHome home;
    struct Case {
        const char* json;
        const char* expected;
    };
    const Case cases[] = {
        {"not json", "is not a clip list"},
        {R"({"clips": {}})", "is not a clip list"},
        {R"({"clips": [{"exercise": "squat", "reps": 1}]})", "clip 1: no \"file\""},
        {R"({"clips": [{"file": "a", "exercise": "squat", "reps": 1},
                       {"file": "b", "exercise": "lunge", "reps": 1}]})",
         "clip 2: \"exercise\""},
        {R"({"clips": [{"file": "a", "exercise": "squat", "reps": -1}]})", "clip 1: \"reps\""},
        {R"({"clips": [{"file": "a", "exercise": "squat", "reps": 1.5}]})", "clip 1: \"reps\""},
        {R"({"clips": [{"file": "a", "exercise": "squat"}]})", "clip 1: \"reps\""},
    };
    for (const Case& c : cases) {
        const auto contents = readClipList(writeList(home, c.json));
        ASSERT_FALSE(contents) << c.json;
        EXPECT_TRUE(contents.error().contains(QLatin1String(c.expected)))
            << contents.error().toStdString();
    }
    EXPECT_FALSE(readClipList(home.filePath(QStringLiteral("missing.json"))));
}

TEST(ClipList, SummaryTellsExactOverAndUnderCountsApartFromFailures) {
    ClipOutcome failed = outcome("d.mp4", 2, 0);
    failed.failure = QStringLiteral("Camera stopped responding.");
    std::vector<ClipOutcome> outcomes{outcome("a.mp4", 3, 3), outcome("b.mp4", 0, 1),
                                      outcome("c.mp4", 5, 2), failed, outcome("e.mp4", 0, 0)};
    outcomes[0].repetitionTimes = {1.5, 3.25, 5};
    const ClipSummary summary = summarize(outcomes);
    EXPECT_EQ(summary.exact, 2);
    EXPECT_EQ(summary.overCounted, 1);
    EXPECT_EQ(summary.missed, 1);
    EXPECT_EQ(summary.failed, 1);

    const QString text = QString::fromUtf8(clipTableText(outcomes));
    EXPECT_TRUE(text.endsWith("exact 2/5, over-counted 1, missed 1, failed 1\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("1.50 3.25 5.00"));
    EXPECT_TRUE(text.contains("failed: Camera stopped responding."));

    const QJsonObject json = QJsonDocument::fromJson(clipTableJson(outcomes)).object();
    EXPECT_EQ(json["exact"].toInt(), 2);
    EXPECT_EQ(json["total"].toInt(), 5);
    EXPECT_EQ(json["clips"][0]["repetitionTimes"][1].toDouble(), 3.25);
    EXPECT_FALSE(json["clips"][3]["failure"].isNull());
    EXPECT_TRUE(json["clips"][0]["failure"].isNull());
}
