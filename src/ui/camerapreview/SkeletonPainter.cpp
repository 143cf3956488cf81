// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/camerapreview/SkeletonPainter.h"

#include <QPainter>
#include <QPen>
#include <algorithm>

namespace qv {

namespace {

void copyPixels(const Image& preview, QImage& target) {
    for (int y = 0; y < preview.height(); ++y) {
        const std::uint8_t* from = preview.row(y);
        auto* to = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = 0; x < preview.width(); ++x, from += 3) {
            to[x] = qRgb(from[0], from[1], from[2]);
        }
    }
}

QPointF placed(PosePoint point, const QSizeF& size) {
    // Pose points grow upwards from the lower left; pictures grow down from the top left.
    return {point.x * size.width(), (1.0 - point.y) * size.height()};
}

void drawSkeleton(QPainter& painter, const PoseSnapshot& pose, const QSizeF& size,
                  const QColor& boneColor, const QColor& jointColor) {
    const double unit = std::max(2.0, std::min(size.width(), size.height()) / 120.0);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen bone(boneColor, unit * 1.4, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(bone);
    for (const auto& [from, to] : skeletonBones) {
        const auto a = pose.confidentJoint(from);
        const auto b = pose.confidentJoint(to);
        if (a && b) {
            painter.drawLine(placed(a->point, size), placed(b->point, size));
        }
    }
    painter.setPen(QPen(boneColor, unit * 0.8));
    painter.setBrush(jointColor);
    for (const Joint joint : allJoints) {
        if (const auto j = pose.confidentJoint(joint)) {
            painter.drawEllipse(placed(j->point, size), unit * 1.6, unit * 1.6);
        }
    }
}

} // namespace

bool composePreview(const Image& preview, const PoseSnapshot* pose, QImage& target,
                    const QColor& boneColor, const QColor& jointColor) {
    const QSize size(preview.width(), preview.height());
    const bool isNew = target.size() != size || target.format() != QImage::Format_RGB32;
    if (isNew) {
        target = QImage(size, QImage::Format_RGB32);
    }
    copyPixels(preview, target);
    if (pose != nullptr) {
        QPainter painter(&target);
        drawSkeleton(painter, *pose, QSizeF(size), boneColor, jointColor);
    }
    return isNew;
}

} // namespace qv
