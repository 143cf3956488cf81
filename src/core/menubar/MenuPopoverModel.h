// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/menubar/ContextMenuDescription.h"
#include "core/menubar/PopoverView.h"

#include <QObject>
#include <functional>

namespace qv {

// The popover's state for its view: one property per field, each with its own change signal,
// and the buttons' calls handed on as tray actions. Not final: QML's type registration
// derives from a class it could construct.
class MenuPopoverModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString stateLabel READ stateLabel NOTIFY stateLabelChanged)
    Q_PROPERTY(QString caption READ caption NOTIFY captionChanged)
    Q_PROPERTY(QString countdown READ countdown NOTIFY countdownChanged)
    Q_PROPERTY(bool countdownLive READ countdownLive NOTIFY countdownLiveChanged)
    Q_PROPERTY(bool hasProgress READ hasProgress NOTIFY hasProgressChanged)
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(bool canStartBreak READ canStartBreak NOTIFY canStartBreakChanged)
    Q_PROPERTY(bool canSnooze READ canSnooze NOTIFY canSnoozeChanged)
    Q_PROPERTY(QString snoozeText READ snoozeText NOTIFY snoozeTextChanged)
    Q_PROPERTY(
        QString snoozeAccessibleName READ snoozeAccessibleName NOTIFY snoozeAccessibleNameChanged)
    Q_PROPERTY(bool hasNotice READ hasNotice NOTIFY hasNoticeChanged)
    Q_PROPERTY(QString noticeTitle READ noticeTitle NOTIFY noticeTitleChanged)
    Q_PROPERTY(QString noticeText READ noticeText NOTIFY noticeTextChanged)
    Q_PROPERTY(QString workIntervalText READ workIntervalText NOTIFY workIntervalTextChanged)
    Q_PROPERTY(bool canPause READ canPause NOTIFY canPauseChanged)
    Q_PROPERTY(bool canResume READ canResume NOTIFY canResumeChanged)
    Q_PROPERTY(QString pausedUntilText READ pausedUntilText NOTIFY pausedUntilTextChanged)
    Q_PROPERTY(QString repetitionsText READ repetitionsText NOTIFY repetitionsTextChanged)
    Q_PROPERTY(QString breaksText READ breaksText NOTIFY breaksTextChanged)
    Q_PROPERTY(QString breaksLabel READ breaksLabel NOTIFY breaksLabelChanged)
    Q_PROPERTY(QString streakText READ streakText NOTIFY streakTextChanged)
    Q_PROPERTY(bool streakEmphasised READ streakEmphasised NOTIFY streakEmphasisedChanged)
    Q_PROPERTY(
        QString todayAccessibleName READ todayAccessibleName NOTIFY todayAccessibleNameChanged)

public:
    explicit MenuPopoverModel(QObject* parent = nullptr);

    std::function<void(TrayAction)> onAction;
    // Escape, or the popover lost focus.
    std::function<void()> onDismiss;

    const PopoverView& view() const { return view_; }
    void setView(const PopoverView& view);

    const QString& stateLabel() const { return view_.stateLabel; }
    const QString& caption() const { return view_.caption; }
    const QString& countdown() const { return view_.countdown; }
    bool countdownLive() const { return view_.countdownLive; }
    bool hasProgress() const { return view_.hasProgress; }
    double progress() const { return view_.progress; }
    bool canStartBreak() const { return view_.canStartBreak; }
    bool canSnooze() const { return view_.canSnooze; }
    const QString& snoozeText() const { return view_.snoozeText; }
    const QString& snoozeAccessibleName() const { return view_.snoozeAccessibleName; }
    bool hasNotice() const { return view_.hasNotice; }
    const QString& noticeTitle() const { return view_.noticeTitle; }
    const QString& noticeText() const { return view_.noticeText; }
    const QString& workIntervalText() const { return view_.workIntervalText; }
    bool canPause() const { return view_.canPause; }
    bool canResume() const { return view_.canResume; }
    const QString& pausedUntilText() const { return view_.pausedUntilText; }
    const QString& repetitionsText() const { return view_.repetitionsText; }
    const QString& breaksText() const { return view_.breaksText; }
    const QString& breaksLabel() const { return view_.breaksLabel; }
    const QString& streakText() const { return view_.streakText; }
    bool streakEmphasised() const { return view_.streakEmphasised; }
    const QString& todayAccessibleName() const { return view_.todayAccessibleName; }

    Q_INVOKABLE void startBreak() { act(TrayAction::startBreak); }
    Q_INVOKABLE void snooze() { act(TrayAction::snoozeBreak); }
    Q_INVOKABLE void pauseForOneHour() { act(TrayAction::pauseForOneHour); }
    Q_INVOKABLE void pauseUntilTomorrow() { act(TrayAction::pauseUntilTomorrow); }
    Q_INVOKABLE void resume() { act(TrayAction::resumeBreaks); }
    Q_INVOKABLE void openSettings() { act(TrayAction::openSettings); }
    Q_INVOKABLE void quit() { act(TrayAction::quit); }
    Q_INVOKABLE void dismiss();

Q_SIGNALS:
    void stateLabelChanged();
    void captionChanged();
    void countdownChanged();
    void countdownLiveChanged();
    void hasProgressChanged();
    void progressChanged();
    void canStartBreakChanged();
    void canSnoozeChanged();
    void snoozeTextChanged();
    void snoozeAccessibleNameChanged();
    void hasNoticeChanged();
    void noticeTitleChanged();
    void noticeTextChanged();
    void workIntervalTextChanged();
    void canPauseChanged();
    void canResumeChanged();
    void pausedUntilTextChanged();
    void repetitionsTextChanged();
    void breaksTextChanged();
    void breaksLabelChanged();
    void streakTextChanged();
    void streakEmphasisedChanged();
    void todayAccessibleNameChanged();

private:
    void act(TrayAction action);

    PopoverView view_;
};

} // namespace qv
