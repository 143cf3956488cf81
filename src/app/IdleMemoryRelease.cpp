// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/IdleMemoryRelease.h"

#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QQuickWindow>
#include <algorithm>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace qv {

void releaseWindowMemory() {
    // Engines a live text still holds are reference counted and stay; the rest, and the font
    // files they keep mapped, go. The next text that needs one loads it again.
    //
    // The cache itself goes rather than being cleared: a clear leaves the engine table of a font
    // that outlives it (the style's own fonts live as long as the program) out of the cache,
    // so the engines that font loads afterwards are never given back. A new cache has a new
    // identity, which makes such a font drop its old table the next time it is used.
    // QFont::cleanup() is the exported, versioned entry to exactly that: it ends the calling
    // thread's cache and the next lookup makes a new one, without tying the program to the
    // Qt build it was compiled against as a private symbol would.
    QFont::cleanup();
#if defined(__GLIBC__)
    // Every arena, including those of the threads the windows' engines started and ended.
    malloc_trim(0);
#endif
}

IdleMemoryRelease::IdleMemoryRelease(TimeSource& time, std::function<void()> release,
                                     QObject* parent)
    : QObject(parent)
    , time_(time)
    , release_(std::move(release)) {
    qGuiApp->installEventFilter(this);
}

IdleMemoryRelease::~IdleMemoryRelease() {
    if (qGuiApp) {
        qGuiApp->removeEventFilter(this);
    }
}

bool IdleMemoryRelease::eventFilter(QObject* watched, QEvent* event) {
    // Any window: one deleted while showing hides from QWindow's destructor, no longer a
    // QQuickWindow by then.
    if (event->type() == QEvent::Hide && watched->isWindowType()) {
        pending_ = time_.after(settleSeconds, [this] { releaseIfNoWindowShows(); });
    }
    return false;
}

void IdleMemoryRelease::releaseIfNoWindowShows() {
    const QWindowList windows = QGuiApplication::allWindows();
    const bool showing = std::any_of(windows.begin(), windows.end(), [](QWindow* window) {
        return window->isVisible() && qobject_cast<QQuickWindow*>(window);
    });
    // One that is still showing brings its own hide, and another look, when it goes.
    if (!showing) {
        release_();
    }
}

} // namespace qv
