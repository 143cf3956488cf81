// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkeletonDrawing.h"

#include <QPainter>
#include <QPen>
#include <array>
#include <utility>

namespace qv::tools {

namespace {

using K = BodyKeypoint;

constexpr std::array<std::pair<K, K>, 16> bones{{
    {K::leftEar, K::leftEye},
    {K::leftEye, K::nose},
    {K::nose, K::rightEye},
    {K::rightEye, K::rightEar},
    {K::leftShoulder, K::rightShoulder},
    {K::leftShoulder, K::leftElbow},
    {K::leftElbow, K::leftWrist},
    {K::rightShoulder, K::rightElbow},
    {K::rightElbow, K::rightWrist},
    {K::leftShoulder, K::leftHip},
    {K::rightShoulder, K::rightHip},
    {K::leftHip, K::rightHip},
    {K::leftHip, K::leftKnee},
    {K::leftKnee, K::leftAnkle},
    {K::rightHip, K::rightKnee},
    {K::rightKnee, K::rightAnkle},
}};

const std::array<QColor, 6> personColours{QColor(255, 64, 64),  QColor(64, 200, 255),
                                          QColor(80, 230, 80),  QColor(255, 200, 40),
                                          QColor(230, 90, 230), QColor(255, 255, 255)};

} // namespace

void drawSkeletons(QImage& picture, const DetectedPeople& people, float minimumConfidence) {
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const double thickness = std::max(2.0, std::min(picture.width(), picture.height()) / 150.0);
    const auto at = [&](const DetectedKeypoint& point) {
        return QPointF(point.x * picture.width(), point.y * picture.height());
    };
    for (std::size_t p = 0; p < people.size(); ++p) {
        const QColor colour = personColours[p % personColours.size()];
        const auto& keypoints = people[p].keypoints;
        painter.setPen(QPen(colour, thickness, Qt::SolidLine, Qt::RoundCap));
        for (const auto& [from, to] : bones) {
            const auto& a = keypoints[static_cast<std::size_t>(from)];
            const auto& b = keypoints[static_cast<std::size_t>(to)];
            if (a.confidence >= minimumConfidence && b.confidence >= minimumConfidence) {
                painter.drawLine(at(a), at(b));
            }
        }
        painter.setPen(QPen(Qt::black, thickness / 2));
        painter.setBrush(colour);
        for (const auto& point : keypoints) {
            if (point.confidence >= minimumConfidence) {
                painter.drawEllipse(at(point), thickness * 1.2, thickness * 1.2);
            }
        }
    }
}

} // namespace qv::tools
