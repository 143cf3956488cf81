// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/services/UpdaterService.h"

#include "core/services/UpdateFeed.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/time/VirtualTimeSource.h"

#include <gtest/gtest.h>

using qv::UpdaterService;

namespace {

// Answers each fetch when the test says so; the network adapter has its own tests against a
// real HTTPS server.
class ScriptedFeed final : public qv::UpdateFeed {
public:
    void fetch(std::function<void(qv::Result<QByteArray>)> done) override {
        ++fetches;
        pending = std::move(done);
    }
    void answer(const QByteArray& document) { std::exchange(pending, {})(document); }

    int fetches = 0;
    std::function<void(qv::Result<QByteArray>)> pending;
};

const QByteArray feed = R"(<rss version="2.0" xmlns:qv="urn:quorvantel:appcast:1"><channel>
    <item><qv:version>1.3.0</qv:version><description>Notes</description></item></channel></rss>)";

class UpdaterServiceTest : public ::testing::Test {
protected:
    std::unique_ptr<UpdaterService> makeService() {
        auto scripted = std::make_unique<ScriptedFeed>();
        feedHandle = scripted.get();
        return std::make_unique<UpdaterService>(defaults, time, std::move(scripted), "1.2.0");
    }

    qv::MemoryKeyValueStore defaults;
    qv::VirtualTimeSource time;
    ScriptedFeed* feedHandle = nullptr;
};

TEST_F(UpdaterServiceTest, AutomaticChecksAreOffUntilTurnedOnThenDaily) {
    auto service = makeService();
    EXPECT_FALSE(service->automaticallyChecksForUpdates());
    time.advance(3 * UpdaterService::checkIntervalSeconds);
    EXPECT_EQ(feedHandle->fetches, 0);

    service->setAutomaticallyChecksForUpdates(true);
    time.advance(1);
    EXPECT_EQ(feedHandle->fetches, 1);
    feedHandle->answer(feed);
    EXPECT_EQ(service->latestVersion(), "1.3.0");

    time.advance(UpdaterService::checkIntervalSeconds - 2 * UpdaterService::duePollSeconds);
    EXPECT_EQ(feedHandle->fetches, 1);
    time.advance(2 * UpdaterService::duePollSeconds);
    EXPECT_EQ(feedHandle->fetches, 2);
}

TEST_F(UpdaterServiceTest, DailyRhythmCarriesOverARestartAndAClockSetBack) {
    defaults.setBoolean(UpdaterService::automaticChecksKey, true);
    defaults.setDate(UpdaterService::lastCheckKey, time.now().addSecs(-20 * 3600));
    auto service = makeService();
    time.advance(3 * 3600);
    EXPECT_EQ(feedHandle->fetches, 0) << "checked 23 hours ago";
    time.advance(UpdaterService::duePollSeconds);
    EXPECT_EQ(feedHandle->fetches, 1);
    feedHandle->answer(feed);

    service.reset();
    defaults.setDate(UpdaterService::lastCheckKey, time.now().addDays(30)); // clock set back
    service = makeService();
    time.advance(UpdaterService::firstPollSeconds);
    EXPECT_EQ(feedHandle->fetches, 1);
}

} // namespace
