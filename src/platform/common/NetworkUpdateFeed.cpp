// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/NetworkUpdateFeed.h"

#include "core/services/BuildInfo.h"

#include <QCoreApplication>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QTimer>

namespace qv {

NetworkUpdateFeed::NetworkUpdateFeed(QUrl feedUrl, QList<QSslCertificate> extraAuthorities)
    : feedUrl_(std::move(feedUrl))
    , extraAuthorities_(std::move(extraAuthorities)) {}

NetworkUpdateFeed::~NetworkUpdateFeed() {
    if (reply_) {
        reply_->disconnect();
        reply_->abort();
    }
}

void NetworkUpdateFeed::fetch(std::function<void(Result<QByteArray>)> done) {
    if (feedUrl_.scheme() != QLatin1String("https") || feedUrl_.host().isEmpty()) {
        QTimer::singleShot(0, &manager_, [done = std::move(done)] {
            done(Failure{QCoreApplication::translate(
                "Updates", "The update feed address is not a secure (https) one.")});
        });
        return;
    }
    QNetworkRequest request(feedUrl_);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(transferTimeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Quorvantel/%1").arg(buildInfo::applicationVersion));
    if (!extraAuthorities_.isEmpty()) {
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.addCaCertificates(extraAuthorities_);
        request.setSslConfiguration(ssl);
    }
    QNetworkReply* reply = manager_.get(request);
    reply_ = reply;
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received) {
        if (received > maximumBytes) {
            reply->setProperty("tooLarge", true);
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, reply,
                     [this, reply, done = std::move(done)] { finish(reply, done); });
}

void NetworkUpdateFeed::finish(QNetworkReply* reply,
                               const std::function<void(Result<QByteArray>)>& done) {
    reply->deleteLater();
    reply_.clear();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->property("tooLarge").toBool()) {
        done(Failure{QCoreApplication::translate("Updates", "The update feed is too large.")});
    } else if (status >= 400) {
        const QString reason =
            reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().trimmed();
        const QString answer = reason.isEmpty() ? QString::number(status)
                                                : QStringLiteral("%1 %2").arg(status).arg(reason);
        done(Failure{
            QCoreApplication::translate("Updates", "The update server answered %1.").arg(answer)});
    } else if (reply->error() != QNetworkReply::NoError) {
        done(Failure{reply->errorString()});
    } else {
        done(reply->readAll());
    }
}

} // namespace qv
