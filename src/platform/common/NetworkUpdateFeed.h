// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/services/UpdateFeed.h"

#include <QList>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QSslCertificate>
#include <QUrl>

class QNetworkReply;

namespace qv {

// The release feed over HTTPS. Only https addresses are fetched and redirects may not leave
// https; the certificate must be trusted by the system (or be one of the extra authorities,
// which tests use for a local server).
class NetworkUpdateFeed final : public UpdateFeed {
public:
    static constexpr int transferTimeoutMs = 30'000;
    // A feed is a few kilobytes; anything far larger is not one.
    static constexpr qint64 maximumBytes = 1024 * 1024;

    explicit NetworkUpdateFeed(QUrl feedUrl, QList<QSslCertificate> extraAuthorities = {});
    ~NetworkUpdateFeed() override;

    void fetch(std::function<void(Result<QByteArray>)> done) override;

private:
    void finish(QNetworkReply* reply, const std::function<void(Result<QByteArray>)>& done);

    QUrl feedUrl_;
    QList<QSslCertificate> extraAuthorities_;
    QNetworkAccessManager manager_;
    QPointer<QNetworkReply> reply_;
};

} // namespace qv
