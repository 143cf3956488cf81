// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <optional>
#include <ostream>

// Readable failure messages for Qt values.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace qv::test {

// The folder of recorded test data, from QV_TESTDATA_DIR; empty when it is not there.
std::optional<QString> testDataDir();
// A file in the test data's folder of real recordings; empty when it is not there.
std::optional<QString> realClip(const QString& name);

// Declares var as the path of the real recording, or skips the test without it.
#define QV_REQUIRE_CLIP(var, name)                                                                 \
    const auto var = ::qv::test::realClip(name);                                                   \
    if (!var) {                                                                                    \
        GTEST_SKIP() << QString(name).toStdString() << " is not in QV_TESTDATA_DIR";               \
    }

// A temporary folder that also stands in for the user's XDG folders while it lives.
class TemporaryHome {
public:
    TemporaryHome();
    ~TemporaryHome();
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QByteArray previousConfig_;
    QByteArray previousData_;
};

} // namespace qv::test
