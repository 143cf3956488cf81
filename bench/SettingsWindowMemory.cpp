// SPDX-License-Identifier: GPL-3.0-or-later
// settings_window_memory: what the settings window costs while open and what stays behind
// once it is closed. Opens and closes the window a few times under a display (run it inside
// tests/support/private-desktop.sh) and prints the resident memory at each step, in MB, with
// the median over the rounds. A closed window should leave nothing behind that grows from one
// opening to the next.
#include "core/services/UpdateFeed.h"
#include "core/settings/SettingsStore.h"
#include "core/stats/StatsStore.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/time/VirtualTimeSource.h"
#include "ui/settings/SettingsWindow.h"

#include <QFile>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <vector>

namespace {

double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
        }
    }
    return 0;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QGuiApplication::setQuitOnLastWindowClosed(false);
    qv::MemoryKeyValueStore defaults;
    qv::VirtualTimeSource time;
    qv::SettingsStore settings(defaults);
    qv::StatsStore stats(
        defaults, [] { return qv::Calendar(); }, time, std::nullopt);
    qv::SettingsWindow window({settings, nullptr, nullptr, &stats, nullptr, {}, {}, QLocale()});

    const double before = residentMegabytes();
    std::vector<double> open;
    std::vector<double> closed;
    std::vector<double> trimmed;
    constexpr int rounds = 7;
    for (int round = 0; round < rounds; ++round) {
        window.openOrRaise();
        for (int pane = 0; pane < 5; ++pane) {
            window.viewModel()->setPane(pane);
            QTest::qWait(60);
        }
        open.push_back(residentMegabytes());
        window.close();
        if (!QTest::qWaitFor([&] { return !window.isOpen(); })) {
            std::fprintf(stderr, "the window did not close\n");
            return 1;
        }
        QTest::qWait(200);
        closed.push_back(residentMegabytes());
        // What is left once the allocator hands its free pages back: the libraries loaded
        // for the first window (Qt Quick, the style, the GL driver) stay mapped.
        malloc_trim(0);
        trimmed.push_back(residentMegabytes());
    }
    std::printf("resident before the first open: %.1f MB\n", before);
    std::printf("resident while open (median of %d): %.1f MB\n", rounds, median(open));
    std::printf("resident after closing (median of %d): %.1f MB\n", rounds, median(closed));
    std::printf("after closing and trimming the heap (median): %.1f MB\n", median(trimmed));
    std::printf("after the first close: %.1f MB, after the last: %.1f MB\n", closed.front(),
                closed.back());
    return 0;
}
