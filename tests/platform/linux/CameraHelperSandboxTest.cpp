// SPDX-License-Identifier: GPL-3.0-or-later
// The sandbox seen from outside: a probe process enters it and reports what it may still do.
#include "support/TestSupport.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>

namespace {

// What the probe saw, by attempt.
QMap<QString, QString> runProbe(const QStringList& extraArguments = {}) {
    QTemporaryDir home;
    QTemporaryDir models;
    for (const QString& path : {home.filePath("private"), models.filePath("pose.model")}) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    probe.setProcessEnvironment(environment);
    probe.start(QV_SANDBOX_PROBE, QStringList{models.filePath("pose.model")} + extraArguments);
    EXPECT_TRUE(probe.waitForFinished(30000));
    EXPECT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
    EXPECT_FALSE(QFile::exists(home.filePath("written-by-helper")));
    QMap<QString, QString> seen;
    for (const QByteArray& line : probe.readAllStandardOutput().split('\n')) {
        const qsizetype colon = line.indexOf(": ");
        if (colon > 0) {
            seen.insert(QString::fromUtf8(line.left(colon)),
                        QString::fromUtf8(line.mid(colon + 2)));
        }
    }
    return seen;
}

} // namespace

TEST(CameraHelperSandbox, RefusesTheNetworkExecAndTheHomeButKeepsWhatCaptureNeeds) {
    const QMap<QString, QString> seen = runProbe();
    std::cout << seen.value("summary").toStdString() << '\n';
    EXPECT_EQ(seen.value("confined"), "yes");
    for (const char* refused : {"inet socket", "inet6 socket", "exec"}) {
        EXPECT_EQ(seen.value(refused), "refused") << refused;
    }
    for (const char* allowed :
         {"unix socketpair", "netlink socket", "model read", "library read", "shared picture"}) {
        EXPECT_EQ(seen.value(allowed), "allowed") << allowed;
    }
    if (seen.value("file rules") != "applied") {
        // A missing kernel feature, not a missing package: the file rules cannot be shown here.
        std::cout << "NOT CHECKED: this kernel offers no Landlock, so the file rules are absent\n";
        return;
    }
    for (const char* refused : {"home write", "home read", "model write"}) {
        EXPECT_EQ(seen.value(refused), "refused") << refused;
    }
}

// The file rules and the no-new-privileges bit bind only the thread that enters.
TEST(CameraHelperSandbox, AThreadStartedBeforehandLeavesTheHelperUnconfined) {
    const QMap<QString, QString> seen = runProbe({"--thread-first"});
    EXPECT_EQ(seen.value("confined"), "no");
    EXPECT_EQ(seen.value("inet socket"), "refused"); // the filter still reaches every thread
}
