// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraAuthorization.h"

#include <QString>
#include <chrono>

namespace qv::linuxcam {

// What the kernel's video-device tree says about one device node (/dev/videoN). The roots
// are parameters so that tests can lay out their own trees.

// A name that stays the same across reboots and replugging: the node's entry in
// /dev/v4l/by-id (or, for devices without a serial, by-path); the node itself as a last resort.
QString stableId(const QString& node, const QString& devRoot = QStringLiteral("/dev"));

// The node a stable identifier stands for now (the node itself for a plain node path);
// empty when it is gone.
QString nodeFor(const QString& stableId, const QString& devRoot = QStringLiteral("/dev"));

// Built into the computer: the USB port (or bus) the camera hangs off is marked fixed.
bool isBuiltIn(const QString& node, const QString& sysRoot = QStringLiteral("/sys"));

// Some other process has the node open. Only processes whose descriptors this user may read
// are seen, which covers the user's own applications.
bool isHeldByAnotherProcess(const QString& node, const QString& procRoot = QStringLiteral("/proc"));

// Some other process has any video node under devRoot open; a scan that takes longer than
// budget gives up and answers false.
bool isAnyHeldByAnotherProcess(const QString& devRoot = QStringLiteral("/dev"),
                               const QString& procRoot = QStringLiteral("/proc"),
                               std::chrono::milliseconds budget = std::chrono::milliseconds(100));

// Plain Linux has no camera prompt: the device nodes' permissions decide. Authorised when a
// video node can be opened (or when there is none: then there is nothing to refuse, and the
// capture reports the missing camera); denied when every node refuses this user.
CameraAuthorization authorization(const QString& devRoot = QStringLiteral("/dev"));

} // namespace qv::linuxcam
