// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/breakscreen/BreakOverlayModel.h"

#include <QObject>
#include <QString>
#include <QVariantList>

namespace qv {

// What the break screen shows for one model: headings, hints, counters' texts, which buttons
// appear. Follows the model and notifies each value that changes, so the views only lay out.
class BreakScreenPresentation : public QObject {
    Q_OBJECT
    Q_PROPERTY(Page page READ page NOTIFY pageChanged)
    Q_PROPERTY(QString heading READ heading NOTIFY headingChanged)
    Q_PROPERTY(QString framingHint READ framingHint NOTIFY framingHintChanged)
    // Two rows, each {"text": string, "met": bool}.
    Q_PROPERTY(QVariantList framingChecklist READ framingChecklist NOTIFY framingChecklistChanged)
    Q_PROPERTY(bool showsOtherWaysLine READ showsOtherWaysLine NOTIFY showsOtherWaysLineChanged)
    Q_PROPERTY(QString otherWaysText READ otherWaysText NOTIFY otherWaysTextChanged)
    Q_PROPERTY(QString otherWaysAccessibleText READ otherWaysAccessibleText NOTIFY
                   otherWaysAccessibleTextChanged)
    Q_PROPERTY(bool showsUseTimedBreak READ showsUseTimedBreak NOTIFY showsUseTimedBreakChanged)
    Q_PROPERTY(bool showsSwitchToOverheadRaise READ showsSwitchToOverheadRaise NOTIFY
                   showsSwitchToOverheadRaiseChanged)
    Q_PROPERTY(bool showsCantSquat READ showsCantSquat NOTIFY showsCantSquatChanged)
    Q_PROPERTY(bool showsSwitchToTimedBreak READ showsSwitchToTimedBreak NOTIFY
                   showsSwitchToTimedBreakChanged)
    Q_PROPERTY(bool showsOpenCameraSettings READ showsOpenCameraSettings NOTIFY
                   showsOpenCameraSettingsChanged)
    Q_PROPERTY(QString exerciseIcon READ exerciseIcon NOTIFY exerciseIconChanged)
    Q_PROPERTY(QString repetitionsText READ repetitionsText NOTIFY repetitionsTextChanged)
    Q_PROPERTY(QString targetText READ targetText NOTIFY targetTextChanged)
    Q_PROPERTY(double repetitionProgress READ repetitionProgress NOTIFY repetitionProgressChanged)
    Q_PROPERTY(QString counterAccessibleText READ counterAccessibleText NOTIFY
                   counterAccessibleTextChanged)
    Q_PROPERTY(QString coachingHeadline READ coachingHeadline NOTIFY coachingHeadlineChanged)
    Q_PROPERTY(QString coachingAccessibleText READ coachingAccessibleText NOTIFY
                   coachingAccessibleTextChanged)
    Q_PROPERTY(QString soundLine READ soundLine NOTIFY soundLineChanged)
    Q_PROPERTY(QString soundIcon READ soundIcon NOTIFY soundIconChanged)
    Q_PROPERTY(
        QString secondsRemainingText READ secondsRemainingText NOTIFY secondsRemainingTextChanged)
    Q_PROPERTY(QString secondsRemainingAccessibleText READ secondsRemainingAccessibleText NOTIFY
                   secondsRemainingAccessibleTextChanged)
    Q_PROPERTY(double honorProgress READ honorProgress NOTIFY honorProgressChanged)
    Q_PROPERTY(QString honorPercentText READ honorPercentText NOTIFY honorPercentTextChanged)
    Q_PROPERTY(QString statusLine READ statusLine NOTIFY statusLineChanged)
    Q_PROPERTY(QString summaryText READ summaryText NOTIFY summaryTextChanged)
    Q_PROPERTY(QString streakText READ streakText NOTIFY streakTextChanged)
    Q_PROPERTY(bool showsEscapeControl READ showsEscapeControl NOTIFY showsEscapeControlChanged)
    Q_PROPERTY(
        QString cameraAccessibleName READ cameraAccessibleName NOTIFY cameraAccessibleNameChanged)

public:
    // Which screen shows.
    enum class Page { Preparing, Permission, Framing, Exercise, Honor, Success };
    Q_ENUM(Page)

    explicit BreakScreenPresentation(BreakOverlayModel& model, QObject* parent = nullptr);

    BreakOverlayModel& model() const { return model_; }

    Page page() const { return values_.page; }
    QString heading() const { return values_.heading; }
    QString framingHint() const { return values_.framingHint; }
    QVariantList framingChecklist() const { return values_.framingChecklist; }
    bool showsOtherWaysLine() const { return values_.showsOtherWaysLine; }
    QString otherWaysText() const { return values_.otherWaysText; }
    QString otherWaysAccessibleText() const { return values_.otherWaysAccessibleText; }
    bool showsUseTimedBreak() const { return values_.showsUseTimedBreak; }
    bool showsSwitchToOverheadRaise() const { return values_.showsSwitchToOverheadRaise; }
    bool showsCantSquat() const { return values_.showsCantSquat; }
    bool showsSwitchToTimedBreak() const { return values_.showsSwitchToTimedBreak; }
    bool showsOpenCameraSettings() const { return values_.showsOpenCameraSettings; }
    QString exerciseIcon() const { return values_.exerciseIcon; }
    QString repetitionsText() const { return values_.repetitionsText; }
    QString targetText() const { return values_.targetText; }
    double repetitionProgress() const { return values_.repetitionProgress; }
    QString counterAccessibleText() const { return values_.counterAccessibleText; }
    QString coachingHeadline() const { return values_.coachingHeadline; }
    QString coachingAccessibleText() const { return values_.coachingAccessibleText; }
    QString soundLine() const { return values_.soundLine; }
    QString soundIcon() const { return values_.soundIcon; }
    QString secondsRemainingText() const { return values_.secondsRemainingText; }
    QString secondsRemainingAccessibleText() const {
        return values_.secondsRemainingAccessibleText;
    }
    double honorProgress() const { return values_.honorProgress; }
    QString honorPercentText() const { return values_.honorPercentText; }
    QString statusLine() const { return values_.statusLine; }
    QString summaryText() const { return values_.summaryText; }
    QString streakText() const { return values_.streakText; }
    bool showsEscapeControl() const { return values_.showsEscapeControl; }
    QString cameraAccessibleName() const { return values_.cameraAccessibleName; }

    // The content's scale on a screen of this size (1 down to 0.55).
    Q_INVOKABLE static double layoutScale(double width, double height);

Q_SIGNALS:
    void pageChanged();
    void headingChanged();
    void framingHintChanged();
    void framingChecklistChanged();
    void showsOtherWaysLineChanged();
    void otherWaysTextChanged();
    void otherWaysAccessibleTextChanged();
    void showsUseTimedBreakChanged();
    void showsSwitchToOverheadRaiseChanged();
    void showsCantSquatChanged();
    void showsSwitchToTimedBreakChanged();
    void showsOpenCameraSettingsChanged();
    void exerciseIconChanged();
    void repetitionsTextChanged();
    void targetTextChanged();
    void repetitionProgressChanged();
    void counterAccessibleTextChanged();
    void coachingHeadlineChanged();
    void coachingAccessibleTextChanged();
    void soundLineChanged();
    void soundIconChanged();
    void secondsRemainingTextChanged();
    void secondsRemainingAccessibleTextChanged();
    void honorProgressChanged();
    void honorPercentTextChanged();
    void statusLineChanged();
    void summaryTextChanged();
    void streakTextChanged();
    void showsEscapeControlChanged();
    void cameraAccessibleNameChanged();

private:
    struct Values {
        Page page = Page::Preparing;
        QString heading;
        QString framingHint;
        QVariantList framingChecklist;
        bool showsOtherWaysLine = false;
        QString otherWaysText;
        QString otherWaysAccessibleText;
        bool showsUseTimedBreak = false;
        bool showsSwitchToOverheadRaise = false;
        bool showsCantSquat = false;
        bool showsSwitchToTimedBreak = false;
        bool showsOpenCameraSettings = false;
        QString exerciseIcon;
        QString repetitionsText;
        QString targetText;
        double repetitionProgress = 0;
        QString counterAccessibleText;
        QString coachingHeadline;
        QString coachingAccessibleText;
        QString soundLine;
        QString soundIcon;
        QString secondsRemainingText;
        QString secondsRemainingAccessibleText;
        double honorProgress = 0;
        QString honorPercentText;
        QString statusLine;
        QString summaryText;
        QString streakText;
        bool showsEscapeControl = false;
        QString cameraAccessibleName;
    };

    static Page pageOf(BreakOverlayModel::Mode mode);
    Values compute() const;
    void refresh();

    BreakOverlayModel& model_;
    Values values_;
};

} // namespace qv
