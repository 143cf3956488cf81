// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocalHttpsServer.h"

#include <QFile>
#include <QProcess>
#include <QSslKey>
#include <QSslSocket>
#include <QStandardPaths>
#include <QUrl>

namespace qv::test {

std::unique_ptr<LocalHttpsServer> LocalHttpsServer::start() {
    const QString openssl = QStandardPaths::findExecutable("openssl");
    if (openssl.isEmpty() || !QSslSocket::supportsSsl()) {
        return nullptr;
    }
    std::unique_ptr<LocalHttpsServer> server(new LocalHttpsServer);
    const QString keyPath = server->folder_.filePath("key.pem");
    const QString certificatePath = server->folder_.filePath("certificate.pem");
    QProcess make;
    make.start(openssl,
               {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                "-nodes", "-days", "1", "-subj", "/CN=127.0.0.1", "-addext",
                "subjectAltName=IP:127.0.0.1", "-keyout", keyPath, "-out", certificatePath});
    if (!make.waitForFinished(30'000) || make.exitCode() != 0) {
        return nullptr;
    }
    QFile keyFile(keyPath);
    QFile certificateFile(certificatePath);
    if (!keyFile.open(QIODevice::ReadOnly) || !certificateFile.open(QIODevice::ReadOnly)) {
        return nullptr;
    }
    server->certificate_ = QSslCertificate(certificateFile.readAll());
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(server->certificate_);
    configuration.setPrivateKey(QSslKey(keyFile.readAll(), QSsl::Ec));
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    server->server_.setSslConfiguration(configuration);
    if (!server->server_.listen(QHostAddress::LocalHost)) {
        return nullptr;
    }
    LocalHttpsServer* raw = server.get();
    QObject::connect(
        &server->server_, &QTcpServer::pendingConnectionAvailable, &raw->server_, [raw] {
            while (auto* socket = qobject_cast<QSslSocket*>(raw->server_.nextPendingConnection())) {
                QObject::connect(socket, &QSslSocket::readyRead, socket,
                                 [raw, socket] { raw->answer(socket); });
                QObject::connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    return server;
}

QUrl LocalHttpsServer::url(const QByteArray& path) const {
    return QUrl(QStringLiteral("https://127.0.0.1:%1%2")
                    .arg(server_.serverPort())
                    .arg(QString::fromLatin1(path)));
}

void LocalHttpsServer::answer(QSslSocket* socket) {
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n")) {
        return;
    }
    const QByteArray path = request.split(' ').value(1);
    const Response response = responses_.value(path, Response{404, "Not Found", "no such feed"});
    socket->write("HTTP/1.1 " + QByteArray::number(response.status) + " " + response.reason +
                  "\r\nContent-Type: application/rss+xml\r\nContent-Length: " +
                  QByteArray::number(response.body.size()) + "\r\nConnection: close\r\n\r\n" +
                  response.body);
    socket->disconnectFromHost();
}

} // namespace qv::test
