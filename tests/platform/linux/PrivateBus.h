// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QTemporaryDir>

namespace qv::test {

// A D-Bus daemon of the test's own that starts no services on demand, so that a name
// nobody owns stays unowned (the private desktop's bus would start any installed
// notification daemon).
class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    bool isRunning() const { return !address_.isEmpty(); }
    const QString& address() const { return address_; }

private:
    QTemporaryDir folder_;
    QProcess daemon_;
    QString address_;
};

} // namespace qv::test
