// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayList>
#include <QProcess>
#include <QStringList>
#include <functional>
#include <optional>

// The programs a Wayland break test runs beside its compositor: this test program again, as
// the break (--lock) or as another program's window (--other), since a Qt application picks
// its platform once.
namespace qv::test {

// Runs the child mode named in the arguments; none when there is none.
std::optional<int> runWaylandChild(int argc, char** argv);

// A child process of this program, read line by line.
class Child {
public:
    // wrapper runs it, e.g. as another user; empty for none.
    Child(const QProcessEnvironment& env, const QString& mode, const QStringList& wrapper = {});
    ~Child();
    void tell(const char* line);
    // Whether a line starting with the text came, waiting up to the time given.
    bool saw(const QByteArray& start, int timeoutMs = 10000);
    QByteArrayList lines() const { return lines_; }
    QProcess& process() { return process_; }

private:
    QProcess process_;
    QByteArrayList lines_;
};

// Polls the condition until it holds or the time is up; says whether it held.
bool waitFor(const std::function<bool()>& condition, int timeoutMs);

// The compositors refuse to run as root, or let only their own user in: as root, hands the
// folder to the unprivileged user and gives the command prefix that runs as it. Empty when
// not root; none when there is no such user.
std::optional<QStringList> unprivilegedUser(const QString& folder);

} // namespace qv::test
