// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace qv {

// Turns SIGTERM, SIGINT, SIGQUIT and SIGHUP into an orderly quit of the event loop, so the
// break screen goes away and nothing is left half-written when the session ends or the user
// presses Ctrl+C. A quit still running 0.8 s after the signal (a stuck loop) ends the process
// at once with 128 + the signal's number. Install it when the event loop is about to run and
// destroy it once the loop has returned.
class QuitOnSignals : public QObject {
    Q_OBJECT

public:
    explicit QuitOnSignals(QObject* parent = nullptr);
    ~QuitOnSignals() override;

    bool isInstalled() const { return notifier_ != nullptr; }

private:
    void drain();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace qv
