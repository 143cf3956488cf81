// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/FrameSource.h"

#include <QString>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace qv {

// A picture file shown to the pipeline as a camera that films it over and over, at a fixed
// rate, each frame stamped with the clock.
class StillImageSource final : public FrameSource {
public:
    StillImageSource(QString path, double framesPerSecond, std::function<double()> clock);
    ~StillImageSource() override;

    Status start(FrameSourceCallbacks callbacks) override;
    void stop() override;

private:
    QString path_;
    double framesPerSecond_;
    std::function<double()> clock_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool isStopping_ = false;
    std::thread thread_;
};

} // namespace qv
