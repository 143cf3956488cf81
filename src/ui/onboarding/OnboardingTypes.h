// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/onboarding/OnboardingModel.h"
#include "core/onboarding/OnboardingPresentation.h"
#include "core/onboarding/RehearsalStage.h"
#include "core/settingsui/BreakHoldNotice.h"

#include <QtQml/qqml.h>

// The first launch's objects as its QML knows them: typed, so that every binding to them is
// checked, and never made by QML itself: the controller hands them in.
namespace qv::onboardingqml {

struct PresentationType {
    Q_GADGET
    QML_FOREIGN(qv::OnboardingPresentation)
    QML_NAMED_ELEMENT(OnboardingPresentation)
    QML_UNCREATABLE("Handed in by the onboarding controller.")
};

struct ModelType {
    Q_GADGET
    QML_FOREIGN(qv::OnboardingModel)
    QML_NAMED_ELEMENT(OnboardingModel)
    QML_UNCREATABLE("Handed in by the onboarding controller.")
};

struct RehearsalType {
    Q_GADGET
    QML_FOREIGN(qv::RehearsalStage)
    QML_NAMED_ELEMENT(RehearsalStage)
    QML_UNCREATABLE("Handed in by the onboarding controller.")
};

struct BreakHoldNoticeType {
    Q_GADGET
    QML_FOREIGN(qv::BreakHoldNotice)
    QML_NAMED_ELEMENT(BreakHoldNotice)
    QML_UNCREATABLE("Handed in by the onboarding controller.")
};

struct TextsType {
    Q_GADGET
    QML_FOREIGN(qv::OnboardingTexts)
    QML_VALUE_TYPE(onboardingTexts)
};

} // namespace qv::onboardingqml
