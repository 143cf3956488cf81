// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QSslCertificate>
#include <QSslServer>
#include <QTemporaryDir>
#include <optional>

namespace qv::test {

// An HTTPS server on 127.0.0.1 with a certificate made for this run by openssl. Answers
// each GET from a table of paths; runs on the test's event loop.
class LocalHttpsServer {
public:
    struct Response {
        int status = 200;
        QByteArray reason = "OK";
        QByteArray body;
    };

    // Empty when openssl or the TLS backend is missing.
    static std::unique_ptr<LocalHttpsServer> start();

    void setResponse(const QByteArray& path, Response response) { responses_[path] = response; }
    QUrl url(const QByteArray& path) const;
    const QSslCertificate& certificate() const { return certificate_; }

private:
    LocalHttpsServer() = default;
    void answer(QSslSocket* socket);

    QTemporaryDir folder_;
    QSslCertificate certificate_;
    QSslServer server_;
    QHash<QByteArray, Response> responses_;
};

} // namespace qv::test
