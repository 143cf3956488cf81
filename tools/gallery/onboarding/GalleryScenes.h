// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/onboarding/OnboardingModel.h"
#include "tools/gallery/support/SettableBreakHold.h"

#include <QString>
#include <functional>
#include <vector>

namespace qv {
class OnboardingController;
}

namespace qv::gallery {

// Stands in for the camera engine: the gallery says what it reports.
class ScriptedEngine final : public VerificationEngine {
public:
    void start() override {}
    void stop() override {}
    void report(const VerificationProgress& value) const { reportProgress(value); }
    void complete() const { reportCompletion(); }
};

// What the camera side of the onboarding answers, set by each scene.
struct Camera {
    CameraAuthorization authorization = CameraAuthorization::authorized;
    bool isConnected = true;
    ScriptedEngine* engine = nullptr;
    OnboardingModel::Platform platform();
    // Beside the camera, what the desktop promises about a break.
    SettableBreakHold desktop;
};

struct Scene {
    QString name;
    // Brings the onboarding into the state to picture; scenes run in order on one window.
    std::function<void(OnboardingController&, Camera&)> setUp;
};

std::vector<Scene> scenes();

} // namespace qv::gallery
