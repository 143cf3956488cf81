// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/breakscreen/BreakOverlayModel.h"
#include "core/time/TimeSource.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

namespace qv {

// The emergency control of one break window: a pointer held on it for three seconds, or the
// keyboard chord the window reports to the model, shown as one filling ring with its titles.
// The chord's own three seconds are timed by the application model; this only shows them.
class EmergencyEscapeHold : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isAvailable READ isAvailable NOTIFY isAvailableChanged)
    Q_PROPERTY(bool isHolding READ isHolding NOTIFY isHoldingChanged)
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(QString icon READ icon NOTIFY iconChanged)
    Q_PROPERTY(QString title READ title NOTIFY titleChanged)
    Q_PROPERTY(QString subtitle READ subtitle NOTIFY subtitleChanged)
    Q_PROPERTY(QStringList chordKeys READ chordKeys NOTIFY chordKeysChanged)
    Q_PROPERTY(QString remainingText READ remainingText NOTIFY remainingTextChanged)
    Q_PROPERTY(QString accessibleName READ accessibleName NOTIFY accessibleNameChanged)
    Q_PROPERTY(QString accessibleDescription READ accessibleDescription NOTIFY
                   accessibleDescriptionChanged)
    Q_PROPERTY(QString statusMessage READ statusMessage NOTIFY statusMessageChanged)

public:
    static constexpr double holdSeconds = 3;
    // A press that wanders further than this is a drag, not a hold.
    static constexpr double maximumMovement = 22;

    EmergencyEscapeHold(BreakOverlayModel& model, TimeSource& time, QObject* parent = nullptr);

    bool isAvailable() const { return model_.emergencyEscapesRemaining() > 0; }
    bool isHolding() const { return holdStartedAt_.has_value(); }
    double progress() const { return progress_; }
    QString icon() const;
    QString title() const { return title_; }
    QString subtitle() const { return subtitle_; }
    QStringList chordKeys() const { return chordKeys_; }
    QString remainingText() const { return remainingText_; }
    QString accessibleName() const { return accessibleName_; }
    QString accessibleDescription() const { return accessibleDescription_; }
    QString statusMessage() const { return model_.emergencyEscapeStatusMessage(); }

    // The pointer on the control: pressed, moved by (dx, dy) from where it was pressed, let go.
    Q_INVOKABLE void pressPointer();
    Q_INVOKABLE void movePointer(double dx, double dy);
    Q_INVOKABLE void releasePointer();
    // Follows the model no longer and ends any hold: the screen is going away.
    void stop();

Q_SIGNALS:
    void isAvailableChanged();
    void isHoldingChanged();
    void progressChanged();
    void iconChanged();
    void titleChanged();
    void subtitleChanged();
    void chordKeysChanged();
    void remainingTextChanged();
    void accessibleNameChanged();
    void accessibleDescriptionChanged();
    void statusMessageChanged();

private:
    void onModelChanged();
    void updateHolding();
    void tick();
    void updateTexts();

    BreakOverlayModel& model_;
    TimeSource& time_;
    bool isPointerPressed_ = false;
    bool isStopped_ = false;
    std::optional<double> holdStartedAt_;
    double progress_ = 0;
    ScheduledTask tickTask_;
    ScheduledTask completionTask_;
    QString title_;
    QString subtitle_;
    QStringList chordKeys_;
    QString remainingText_;
    QString accessibleName_;
    QString accessibleDescription_;
};

} // namespace qv
