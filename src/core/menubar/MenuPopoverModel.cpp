// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/menubar/MenuPopoverModel.h"

namespace qv {

MenuPopoverModel::MenuPopoverModel(QObject* parent)
    : QObject(parent) {}

void MenuPopoverModel::setView(const PopoverView& view) {
    const PopoverView old = std::exchange(view_, view);
    // Each view binding listens to its own field; the countdown ticks alone every second.
    if (old.stateLabel != view_.stateLabel) {
        Q_EMIT stateLabelChanged();
    }
    if (old.caption != view_.caption) {
        Q_EMIT captionChanged();
    }
    if (old.countdown != view_.countdown) {
        Q_EMIT countdownChanged();
    }
    if (old.countdownLive != view_.countdownLive) {
        Q_EMIT countdownLiveChanged();
    }
    if (old.hasProgress != view_.hasProgress) {
        Q_EMIT hasProgressChanged();
    }
    if (old.progress != view_.progress) {
        Q_EMIT progressChanged();
    }
    if (old.canStartBreak != view_.canStartBreak) {
        Q_EMIT canStartBreakChanged();
    }
    if (old.canSnooze != view_.canSnooze) {
        Q_EMIT canSnoozeChanged();
    }
    if (old.snoozeText != view_.snoozeText) {
        Q_EMIT snoozeTextChanged();
    }
    if (old.snoozeAccessibleName != view_.snoozeAccessibleName) {
        Q_EMIT snoozeAccessibleNameChanged();
    }
    if (old.hasNotice != view_.hasNotice) {
        Q_EMIT hasNoticeChanged();
    }
    if (old.noticeTitle != view_.noticeTitle) {
        Q_EMIT noticeTitleChanged();
    }
    if (old.noticeText != view_.noticeText) {
        Q_EMIT noticeTextChanged();
    }
    if (old.workIntervalText != view_.workIntervalText) {
        Q_EMIT workIntervalTextChanged();
    }
    if (old.canPause != view_.canPause) {
        Q_EMIT canPauseChanged();
    }
    if (old.canResume != view_.canResume) {
        Q_EMIT canResumeChanged();
    }
    if (old.pausedUntilText != view_.pausedUntilText) {
        Q_EMIT pausedUntilTextChanged();
    }
    if (old.repetitionsText != view_.repetitionsText) {
        Q_EMIT repetitionsTextChanged();
    }
    if (old.breaksText != view_.breaksText) {
        Q_EMIT breaksTextChanged();
    }
    if (old.breaksLabel != view_.breaksLabel) {
        Q_EMIT breaksLabelChanged();
    }
    if (old.streakText != view_.streakText) {
        Q_EMIT streakTextChanged();
    }
    if (old.streakEmphasised != view_.streakEmphasised) {
        Q_EMIT streakEmphasisedChanged();
    }
    if (old.todayAccessibleName != view_.todayAccessibleName) {
        Q_EMIT todayAccessibleNameChanged();
    }
}

void MenuPopoverModel::dismiss() {
    if (onDismiss) {
        onDismiss();
    }
}

void MenuPopoverModel::act(TrayAction action) {
    if (onAction) {
        onAction(action);
    }
}

} // namespace qv
