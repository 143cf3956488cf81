// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/camerapreview/CameraPreviewItem.h"

#include "core/verification/PreviewSource.h"
#include "ui/camerapreview/SkeletonPainter.h"

#include <QQuickWindow>
#include <QSGImageNode>
#include <algorithm>

namespace qv {

namespace {

// The part of a picture of pictureSize that fills an item of itemSize without bars.
QRectF coverSource(const QSizeF& pictureSize, const QSizeF& itemSize) {
    if (itemSize.isEmpty() || pictureSize.isEmpty()) {
        return {QPointF(), pictureSize};
    }
    const QSizeF shown = itemSize.scaled(pictureSize, Qt::KeepAspectRatio);
    return {QPointF((pictureSize.width() - shown.width()) / 2,
                    (pictureSize.height() - shown.height()) / 2),
            shown};
}

} // namespace

CameraPreviewItem::CameraPreviewItem(QQuickItem* parent)
    : QQuickItem(parent) {
    setFlag(ItemHasContents);
}

CameraPreviewItem::~CameraPreviewItem() {
    if (source() != nullptr) {
        source_->reportPreviewSide(this, 0);
    }
}

void CameraPreviewItem::setModel(QObject* object) {
    auto* source = dynamic_cast<PreviewSource*>(object);
    QObject* model = source != nullptr ? object : nullptr;
    if (model_ == model) {
        return;
    }
    if (model_) {
        disconnect(model_, nullptr, this, nullptr);
        source_->reportPreviewSide(this, 0);
    }
    model_ = model;
    source_ = source;
    reportedSide_ = 0;
    reportSide();
    if (source_ != nullptr) {
        // A frame sets the pose and then the preview; both only mark the item for drawing,
        // so the frame is composed once, when the scene is next synchronised.
        source_->watchPreview(this, [this] { takeFrame(); });
    }
    takeFrame();
    Q_EMIT modelChanged();
}

void CameraPreviewItem::setBoneColor(const QColor& color) {
    if (boneColor_ != color) {
        boneColor_ = color;
        takeFrame();
        Q_EMIT boneColorChanged();
    }
}

void CameraPreviewItem::setJointColor(const QColor& color) {
    if (jointColor_ != color) {
        jointColor_ = color;
        takeFrame();
        Q_EMIT jointColorChanged();
    }
}

void CameraPreviewItem::takeFrame() {
    isPictureNew_ = true;
    update();
}

int CameraPreviewItem::shownSide() const {
    if (!isVisible() || window() == nullptr) {
        return 0;
    }
    return qRound(std::max(width(), height()) * window()->effectiveDevicePixelRatio());
}

void CameraPreviewItem::reportSide() {
    const int side = shownSide();
    if (model_ && side != reportedSide_) {
        reportedSide_ = side;
        source_->reportPreviewSide(this, side);
    }
}

void CameraPreviewItem::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) {
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    reportSide();
}

void CameraPreviewItem::itemChange(ItemChange change, const ItemChangeData& value) {
    QQuickItem::itemChange(change, value);
    if (change == ItemVisibleHasChanged || change == ItemSceneChange ||
        change == ItemDevicePixelRatioHasChanged) {
        reportSide();
    }
}

const PreviewSource* CameraPreviewItem::source() const {
    return model_ ? source_ : nullptr;
}

QSGNode* CameraPreviewItem::updatePaintNode(QSGNode* old, UpdatePaintNodeData*) {
    auto* node = static_cast<QSGImageNode*>(old);
    if (isPictureNew_) {
        isPictureNew_ = false;
        const bool hadPicture = hasPicture();
        const PreviewSource* source = this->source();
        const auto* preview = source && source->previewImage() ? &*source->previewImage() : nullptr;
        if (preview != nullptr && !preview->isNull()) {
            const auto& pose = source->previewPose();
            if (composePreview(*preview, pose ? &*pose : nullptr, picture_, boneColor_,
                               jointColor_)) {
                ++buffersAllocated_;
            }
            ++framesDrawn_;
        } else {
            picture_ = QImage();
        }
        if (hadPicture != hasPicture()) {
            QMetaObject::invokeMethod(this, &CameraPreviewItem::hasPictureChanged,
                                      Qt::QueuedConnection);
        }
        if (picture_.isNull()) {
            delete node;
            return nullptr;
        }
        if (node == nullptr) {
            node = window()->createImageNode();
            node->setOwnsTexture(true);
            node->setFiltering(QSGTexture::Linear);
        }
        node->setTexture(window()->createTextureFromImage(picture_));
    }
    if (node != nullptr) {
        node->setRect(boundingRect());
        node->setSourceRect(coverSource(QSizeF(picture_.size()), size()));
    }
    return node;
}

} // namespace qv
