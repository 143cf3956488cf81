// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/breakscreen/BreakOverlayModel.h"
#include "core/breakscreen/BreakScreenPresentation.h"
#include "core/breakscreen/EmergencyEscapeHold.h"
#include "core/time/TimeSource.h"

#include <QQuickView>
#include <functional>

namespace qv {

// One break window: the break screen of a model, and the emergency chord Shift+Ctrl+E watched
// on its keyboard. It reports the chord's state; what a held chord means is not its business.
class OverlayWindow : public QQuickView {
    Q_OBJECT

public:
    static inline const QString breakTitle = QStringLiteral("Quorvantel Break");
    // X servers repeat a held key as a release and a press close together; a release is
    // only believed once no press followed it for this long.
    static constexpr double keyRepeatGraceSeconds = 0.12;

    OverlayWindow(BreakOverlayModel& model, TimeSource& time, bool reduceMotion,
                  QScreen* screen = nullptr);
    ~OverlayWindow() override;

    std::function<void(bool held)> onEmergencyChordStateChanged;
    bool isEmergencyChordHeld() const { return isChordHeld_; }
    // Lets go of a held chord, telling the callback so.
    void cancelChord();

    EmergencyEscapeHold& escapeHold() { return hold_; }
    // Stops following the model, which may go away while this window fades out.
    void freeze();
    // The QML errors and warnings of the break screen, empty when it loaded cleanly.
    QString loadErrors() const;

    // Shows only the black background until the compositor has the window's first frame,
    // then fades the break screen in over it. The first frame of a full break screen can take
    // seconds where drawing is slow (software OpenGL), and until a window has a frame the
    // compositor shows the desktop on its output.
    void coverFirst(double fadeInSeconds);
    // Fades the break screen out over the black background, then calls done.
    void fadeOut(double seconds, std::function<void()> done);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    void setChordHeld(bool held);
    void reveal(double fadeInSeconds);
    void fadeContent(double to, double seconds, std::function<void()> done);

    BreakScreenPresentation presentation_;
    EmergencyEscapeHold hold_;
    TimeSource& time_;
    bool isChordHeld_ = false;
    ScheduledTask pendingRelease_;
};

} // namespace qv
