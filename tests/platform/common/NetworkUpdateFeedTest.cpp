// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/NetworkUpdateFeed.h"

#include "LocalHttpsServer.h"
#include "core/services/UpdaterService.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/time/VirtualTimeSource.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <gtest/gtest.h>

using qv::UpdaterService;
using qv::test::LocalHttpsServer;

namespace {

QByteArray feedWith(const QList<const char*>& versions) {
    QByteArray items;
    for (const char* version : versions) {
        items += QByteArray("<item><title>Quorvantel ") + version + "</title><qv:version>" +
                 version + "</qv:version><description>What is new in " + version +
                 "</description><link>https://quorvantel.invalid/" + version + "</link></item>";
    }
    return R"(<?xml version="1.0"?><rss version="2.0" xmlns:qv="urn:quorvantel:appcast:1">)"
           "<channel><title>Quorvantel</title>" +
           items + "</channel></rss>";
}

class UpdateCheck : public ::testing::Test {
protected:
    void SetUp() override {
        server = LocalHttpsServer::start();
        if (!server) {
            GTEST_SKIP() << "openssl or Qt's TLS backend is missing";
        }
        server->setResponse("/newer.xml", {200, "OK", feedWith({"0.9.0", "1.10.0", "1.9.2"})});
        server->setResponse("/same.xml", {200, "OK", feedWith({"1.2.0", "1.2.0-rc.1"})});
        server->setResponse("/malformed.xml", {200, "OK", feedWith({"2.0.0"}).chopped(20)});
    }

    std::unique_ptr<UpdaterService> service(const QUrl& url, bool trustServer = true) {
        const auto trusted = trustServer ? QList{server->certificate()} : QList<QSslCertificate>{};
        return std::make_unique<UpdaterService>(
            defaults, time, std::make_unique<qv::NetworkUpdateFeed>(url, trusted), "1.2.0");
    }

    // Runs one user-initiated check of url and waits for its end.
    std::unique_ptr<UpdaterService> check(const QUrl& url, bool trustServer = true) {
        auto service = this->service(url, trustServer);
        QSignalSpy finished(service.get(), &UpdaterService::checkFinished);
        service->checkForUpdates();
        EXPECT_FALSE(service->canCheckForUpdates());
        EXPECT_TRUE(finished.wait(20'000));
        EXPECT_TRUE(service->canCheckForUpdates());
        return service;
    }

    std::unique_ptr<LocalHttpsServer> server;
    qv::MemoryKeyValueStore defaults;
    qv::VirtualTimeSource time;
};

TEST_F(UpdateCheck, OnlyANewerVersionIsShownWithItsNotesAndLink) {
    const auto newer = check(server->url("/newer.xml"));
    EXPECT_FALSE(newer->statusMessage());
    EXPECT_TRUE(newer->isUpdateAvailable());
    EXPECT_EQ(newer->latestVersion(), "1.10.0");
    EXPECT_EQ(newer->releaseNotes(), "What is new in 1.10.0");
    EXPECT_EQ(newer->downloadUrl(), QUrl("https://quorvantel.invalid/1.10.0"));

    const auto same = check(server->url("/same.xml"));
    EXPECT_FALSE(same->statusMessage());
    EXPECT_FALSE(same->isUpdateAvailable());
    EXPECT_TRUE(same->latestVersion().isEmpty());
}

TEST_F(UpdateCheck, EveryFailureIsReportedAsAMessage) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const QUrl nobodyListens(
        QStringLiteral("https://127.0.0.1:%1/feed.xml").arg(closed.serverPort()));
    closed.close();
    const struct {
        QUrl url;
        bool trustServer;
        const char* messageContains;
    } cases[] = {
        {server->url("/malformed.xml"), true, "could not be read"},
        {server->url("/missing.xml"), true, "404 Not Found"},
        {server->url("/newer.xml"), false, "SSL"},
        {nobodyListens, true, "refused"},
        {QUrl("http://127.0.0.1:1/feed.xml"), true, "https"}, // never fetched
    };
    for (const auto& c : cases) {
        const auto service = check(c.url, c.trustServer);
        ASSERT_TRUE(service->statusMessage()) << c.messageContains;
        EXPECT_TRUE(service->statusMessage()->contains(c.messageContains))
            << service->statusMessage()->toStdString();
        EXPECT_FALSE(service->isUpdateAvailable());
    }
}

TEST_F(UpdateCheck, DestroyingTheServiceMidCheckCallsNothingBack) {
    auto service = this->service(server->url("/newer.xml"));
    service->checkForUpdates();
    service.reset();
    // A whole check against the same server afterwards: an answer to the abandoned fetch
    // would have arrived, and found nobody to call, before this one ends.
    const auto next = check(server->url("/newer.xml"));
    EXPECT_TRUE(next->isUpdateAvailable());
}

} // namespace
