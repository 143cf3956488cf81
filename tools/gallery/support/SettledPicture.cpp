// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettledPicture.h"

#include <QElapsedTimer>
#include <QQuickWindow>
#include <QTest>

namespace qv::gallery {

QImage settledPicture(QQuickWindow& window, int firstWaitMs) {
    constexpr int pauseMs = 150;
    constexpr qint64 longestMs = 4000;
    QTest::qWait(firstWaitMs);
    QImage previous = window.grabWindow();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < longestMs) {
        QTest::qWait(pauseMs);
        QImage current = window.grabWindow();
        if (current == previous) {
            return current;
        }
        previous = std::move(current);
    }
    return previous;
}

} // namespace qv::gallery
