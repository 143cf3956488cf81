// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/media/Image.h"
#include "core/verification/PoseSnapshot.h"

#include <QObject>
#include <functional>
#include <optional>

namespace qv {

// A model that shows the camera: its latest picture and the pose found in it. The item that
// draws the picture reads every such model through this, whatever else the model holds.
class PreviewSource {
public:
    virtual ~PreviewSource() = default;

    virtual const std::optional<Image>& previewImage() const = 0;
    virtual const std::optional<PoseSnapshot>& previewPose() const = 0;
    // Calls onChange after each new picture or pose, in context's thread, while context lives.
    virtual void watchPreview(QObject* context, std::function<void()> onChange) = 0;
    // The longer side, in device pixels, at which view draws the picture now; 0 when it does
    // not. The camera makes pictures only as large as the largest view, and none without one.
    virtual void reportPreviewSide(QObject* view, int longerSide) = 0;
};

} // namespace qv
