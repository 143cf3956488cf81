// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

namespace qv {

class KeyValueStore;
class SettingsStore;

// Decides at launch whether the onboarding comes first, and starts the breaks exactly once:
// at once for a returning user, or when the onboarding completes on the very first launch.
// Only the person finishing the onboarding marks it done; this never writes it.
// Construct it before anything writes the scheduler's state, which is what tells a user who
// ran the scheduler before from a first launch.
class StartupFlow {
public:
    enum class Launch {
        first,     // nothing stored and no onboarding yet: onboarding first
        migrated,  // breaks ran before the onboarding existed: start (nothing is written)
        returning, // onboarding done before: start
    };

    StartupFlow(const SettingsStore& settings, const KeyValueStore& defaults);
    ~StartupFlow() { *alive_ = false; }
    StartupFlow(const StartupFlow&) = delete;
    StartupFlow& operator=(const StartupFlow&) = delete;

    Launch launch() const { return launch_; }

    // Shows the onboarding; it calls the given completion once when the user is through.
    std::function<void(std::function<void()> completion)> showOnboarding;
    // Starts the application model (the breaks).
    std::function<void()> start;

    void run();
    bool hasStarted() const { return started_; }

private:
    void startOnce();

    Launch launch_;
    bool started_ = false;
    // The onboarding's completion may come after the flow is gone (the application quitting).
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace qv
