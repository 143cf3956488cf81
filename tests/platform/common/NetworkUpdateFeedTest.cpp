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

    // Runs one user-initiated check of url and waits for its end.
    std::unique_ptr<UpdaterService> check(const QUrl& url, bool trustServer = true) {
        QList<QSslCertificate> trusted;
        if (trustServer) {
            trusted.append(server->certificate());
        }
        auto service = std::make_unique<UpdaterService>(
            defaults, time, std::make_unique<qv::NetworkUpdateFeed>(url, trusted), "1.2.0");
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

TEST_F(UpdateCheck, NewerVersionIsShownWithItsNotesAndLink) {
    const auto service = check(server->url("/newer.xml"));
    EXPECT_FALSE(service->statusMessage());
    EXPECT_TRUE(service->isUpdateAvailable());
    EXPECT_EQ(service->latestVersion(), "1.10.0");
    EXPECT_EQ(service->releaseNotes(), "What is new in 1.10.0");
    EXPECT_EQ(service->downloadUrl(), QUrl("https://quorvantel.invalid/1.10.0"));
}

TEST_F(UpdateCheck, SameVersionIsNoUpdate) {
    const auto service = check(server->url("/same.xml"));
    EXPECT_FALSE(service->statusMessage());
    EXPECT_FALSE(service->isUpdateAvailable());
    EXPECT_TRUE(service->latestVersion().isEmpty());
}

struct Failure {
    const char* name;
    const char* path;
    bool trustServer;
    const char* messageContains;
    friend void PrintTo(const Failure& c, std::ostream* os) { *os << c.name; }
};

class UpdateCheckFailure : public UpdateCheck, public ::testing::WithParamInterface<Failure> {};

TEST_P(UpdateCheckFailure, IsReportedAsAMessage) {
    const Failure& c = GetParam();
    const auto service = check(server->url(c.path), c.trustServer);
    ASSERT_TRUE(service->statusMessage());
    EXPECT_TRUE(service->statusMessage()->startsWith("Could not check for updates: "));
    EXPECT_TRUE(service->statusMessage()->contains(c.messageContains))
        << service->statusMessage()->toStdString();
    EXPECT_FALSE(service->isUpdateAvailable());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UpdateCheckFailure,
    ::testing::Values(Failure{"Malformed", "/malformed.xml", true, "could not be read"},
                      Failure{"NotFound", "/missing.xml", true, "404 Not Found"},
                      Failure{"UntrustedCertificate", "/newer.xml", false, "SSL"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(UpdateCheck, UnreachableServerIsReportedAsAMessage) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close(); // nothing listens there now
    const auto service = check(QUrl(QStringLiteral("https://127.0.0.1:%1/feed.xml").arg(port)));
    ASSERT_TRUE(service->statusMessage());
    EXPECT_TRUE(service->statusMessage()->contains("refused"))
        << service->statusMessage()->toStdString();
}

TEST_F(UpdateCheck, PlainHttpAddressIsNeverFetched) {
    const auto service = check(QUrl("http://127.0.0.1:1/feed.xml"));
    ASSERT_TRUE(service->statusMessage());
    EXPECT_TRUE(service->statusMessage()->contains("https"));
}

TEST_F(UpdateCheck, DestroyingTheServiceMidCheckCallsNothingBack) {
    auto service = std::make_unique<UpdaterService>(
        defaults, time,
        std::make_unique<qv::NetworkUpdateFeed>(server->url("/newer.xml"),
                                                QList{server->certificate()}),
        "1.2.0");
    service->checkForUpdates();
    service.reset();
    // A whole check against the same server afterwards: an answer to the abandoned fetch
    // would have arrived, and found nobody to call, before this one ends.
    const auto next = check(server->url("/newer.xml"));
    EXPECT_TRUE(next->isUpdateAvailable());
}

} // namespace
