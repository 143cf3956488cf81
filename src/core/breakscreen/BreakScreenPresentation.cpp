// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/breakscreen/BreakScreenPresentation.h"

#include "core/breakscreen/BreakScreenTexts.h"

#include <QCoreApplication>
#include <QVariantMap>

namespace qv {

namespace {

using Mode = BreakOverlayModel::Mode;

QVariantList checklistRows(ExerciseKind kind, const std::optional<PoseSnapshot>& pose) {
    QVariantList rows;
    for (const auto& row : breakscreen::framingChecklist(kind, pose)) {
        rows.append(
            QVariantMap{{QStringLiteral("text"), row.text}, {QStringLiteral("met"), row.isMet}});
    }
    return rows;
}

} // namespace

BreakScreenPresentation::BreakScreenPresentation(BreakOverlayModel& model, QObject* parent)
    : QObject(parent)
    , model_(model)
    , values_(compute()) {
    for (const auto signal :
         {&BreakOverlayModel::modeChanged, &BreakOverlayModel::secondsRemainingChanged,
          &BreakOverlayModel::totalSecondsChanged, &BreakOverlayModel::repetitionsChanged,
          &BreakOverlayModel::targetRepetitionsChanged, &BreakOverlayModel::poseChanged,
          &BreakOverlayModel::previewChanged, &BreakOverlayModel::framingElapsedChanged,
          &BreakOverlayModel::statusMessageChanged, &BreakOverlayModel::exerciseKindChanged,
          &BreakOverlayModel::successSummaryChanged, &BreakOverlayModel::soundEnabledChanged}) {
        connect(&model_, signal, this, &BreakScreenPresentation::refresh);
    }
}

BreakScreenPresentation::Page BreakScreenPresentation::pageOf(Mode mode) {
    switch (mode) {
    case Mode::preparing:
        return Page::Preparing;
    case Mode::permission:
        return Page::Permission;
    case Mode::framing:
        return Page::Framing;
    case Mode::exercise:
        return Page::Exercise;
    case Mode::honor:
        return Page::Honor;
    case Mode::success:
        break;
    }
    return Page::Success;
}

double BreakScreenPresentation::layoutScale(double width, double height) {
    return breakscreen::layoutScale(width, height);
}

BreakScreenPresentation::Values BreakScreenPresentation::compute() const {
    const Mode mode = model_.mode();
    const ExerciseKind kind = model_.exerciseKind();
    const bool isSquat = kind == ExerciseKind::squat;
    const auto countdown = breakscreen::fallbackCountdown(mode, model_.framingElapsed());
    const bool othersReady = mode == Mode::framing && !countdown;
    const double honorProgress =
        1.0 - static_cast<double>(model_.secondsRemaining()) / std::max(model_.totalSeconds(), 1);

    Values v;
    v.page = pageOf(mode);
    v.heading = breakscreen::heading(mode);
    v.framingHint = breakscreen::framingHint(kind, model_.pose());
    v.framingChecklist = checklistRows(kind, model_.pose());
    v.showsOtherWaysLine = countdown.has_value();
    if (countdown) {
        v.otherWaysText =
            QCoreApplication::translate("BreakScreen", "Other ways to finish this break in %1s")
                .arg(*countdown);
        v.otherWaysAccessibleText =
            QCoreApplication::translate("BreakScreen",
                                        "Other ways to finish this break appear in %1 seconds")
                .arg(*countdown);
    }
    v.showsUseTimedBreak = mode == Mode::permission || othersReady;
    v.showsSwitchToOverheadRaise = othersReady && isSquat;
    v.showsCantSquat = mode == Mode::exercise && isSquat && model_.onSwitchToOverheadRaise;
    v.showsSwitchToTimedBreak = mode == Mode::exercise;
    v.showsOpenCameraSettings =
        // Every message of a timed break says why the camera could not be used (denied, missing,
        // failed), so the button fits whenever there is one, in any language.
        mode == Mode::honor && !model_.statusMessage().isEmpty();
    v.exerciseIcon = isSquat ? QStringLiteral("squat") : QStringLiteral("overhead-raise");
    v.repetitionsText = QString::number(model_.repetitions());
    v.targetText = QString::number(model_.targetRepetitions());
    v.repetitionProgress =
        std::min(1.0, static_cast<double>(model_.repetitions()) / model_.targetRepetitions());
    v.counterAccessibleText =
        breakscreen::counterAccessibleText(model_.repetitions(), model_.targetRepetitions(), kind);
    v.coachingHeadline =
        breakscreen::coachingHeadline(kind, model_.statusKind(), model_.statusMessage());
    v.coachingAccessibleText =
        QCoreApplication::translate("BreakScreen", "Coaching cue: %1").arg(v.coachingHeadline);
    v.soundLine =
        model_.soundEnabled()
            ? QCoreApplication::translate("BreakScreen", "Each counted rep plays a sound")
            : QCoreApplication::translate("BreakScreen", "Sound is off — watch the counter");
    v.soundIcon = model_.soundEnabled() ? QStringLiteral("sound-on") : QStringLiteral("sound-off");
    v.secondsRemainingText = QString::number(model_.secondsRemaining());
    v.secondsRemainingAccessibleText =
        QCoreApplication::translate("BreakScreen", "%1 seconds remaining")
            .arg(model_.secondsRemaining());
    v.honorProgress = std::clamp(honorProgress, 0.0, 1.0);
    v.honorPercentText = QCoreApplication::translate("BreakScreen", "%1 percent")
                             .arg(breakscreen::honorPercent(honorProgress));
    v.statusLine = model_.statusMessage();
    if (const auto& summary = model_.successSummary()) {
        v.summaryText = breakscreen::summaryText(*summary, kind);
        v.streakText = breakscreen::streakText(summary->streakDays);
    }
    v.showsEscapeControl = mode != Mode::success;
    v.cameraAccessibleName =
        model_.hasPreview()
            ? QCoreApplication::translate("BreakScreen", "Live camera preview with body pose")
            : QCoreApplication::translate("BreakScreen", "Waiting for camera");
    return v;
}

void BreakScreenPresentation::refresh() {
    Values next = compute();
    const auto update = [this, &next](auto field, auto signal) {
        if (values_.*field != next.*field) {
            values_.*field = std::move(next.*field);
            Q_EMIT(this->*signal)();
        }
    };
    using P = BreakScreenPresentation;
    update(&Values::page, &P::pageChanged);
    update(&Values::heading, &P::headingChanged);
    update(&Values::framingHint, &P::framingHintChanged);
    update(&Values::framingChecklist, &P::framingChecklistChanged);
    update(&Values::showsOtherWaysLine, &P::showsOtherWaysLineChanged);
    update(&Values::otherWaysText, &P::otherWaysTextChanged);
    update(&Values::otherWaysAccessibleText, &P::otherWaysAccessibleTextChanged);
    update(&Values::showsUseTimedBreak, &P::showsUseTimedBreakChanged);
    update(&Values::showsSwitchToOverheadRaise, &P::showsSwitchToOverheadRaiseChanged);
    update(&Values::showsCantSquat, &P::showsCantSquatChanged);
    update(&Values::showsSwitchToTimedBreak, &P::showsSwitchToTimedBreakChanged);
    update(&Values::showsOpenCameraSettings, &P::showsOpenCameraSettingsChanged);
    update(&Values::exerciseIcon, &P::exerciseIconChanged);
    update(&Values::repetitionsText, &P::repetitionsTextChanged);
    update(&Values::targetText, &P::targetTextChanged);
    update(&Values::repetitionProgress, &P::repetitionProgressChanged);
    update(&Values::counterAccessibleText, &P::counterAccessibleTextChanged);
    update(&Values::coachingHeadline, &P::coachingHeadlineChanged);
    update(&Values::coachingAccessibleText, &P::coachingAccessibleTextChanged);
    update(&Values::soundLine, &P::soundLineChanged);
    update(&Values::soundIcon, &P::soundIconChanged);
    update(&Values::secondsRemainingText, &P::secondsRemainingTextChanged);
    update(&Values::secondsRemainingAccessibleText, &P::secondsRemainingAccessibleTextChanged);
    update(&Values::honorProgress, &P::honorProgressChanged);
    update(&Values::honorPercentText, &P::honorPercentTextChanged);
    update(&Values::statusLine, &P::statusLineChanged);
    update(&Values::summaryText, &P::summaryTextChanged);
    update(&Values::streakText, &P::streakTextChanged);
    update(&Values::showsEscapeControl, &P::showsEscapeControlChanged);
    update(&Values::cameraAccessibleName, &P::cameraAccessibleNameChanged);
}

} // namespace qv
