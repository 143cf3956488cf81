// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

namespace qv {

class PreviewSource;

// The camera's picture as the break screen and the practice run show it: the model's latest
// preview, cropped to fill the item, with the pose's skeleton drawn over it. The model is any
// object that is a PreviewSource. Each new frame is converted once into a buffer that is kept
// for the next frame of the same size, painted on and uploaded, so a long break neither
// copies frames again nor grows.
class CameraPreviewItem : public QQuickItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QObject* model READ model WRITE setModel NOTIFY modelChanged)
    Q_PROPERTY(QColor boneColor READ boneColor WRITE setBoneColor NOTIFY boneColorChanged)
    Q_PROPERTY(QColor jointColor READ jointColor WRITE setJointColor NOTIFY jointColorChanged)
    Q_PROPERTY(bool hasPicture READ hasPicture NOTIFY hasPictureChanged)

public:
    explicit CameraPreviewItem(QQuickItem* parent = nullptr);
    ~CameraPreviewItem() override;

    QObject* model() const { return model_; }
    // Anything but a PreviewSource counts as no model.
    void setModel(QObject* model);
    QColor boneColor() const { return boneColor_; }
    void setBoneColor(const QColor& color);
    QColor jointColor() const { return jointColor_; }
    void setJointColor(const QColor& color);
    bool hasPicture() const { return !picture_.isNull(); }

    // How many frames were drawn and how often the buffer had to be made anew (for tests and
    // benchmarks: the second stays at one per frame size).
    int framesDrawn() const { return framesDrawn_; }
    int buffersAllocated() const { return buffersAllocated_; }

Q_SIGNALS:
    void modelChanged();
    void boneColorChanged();
    void jointColorChanged();
    void hasPictureChanged();

protected:
    QSGNode* updatePaintNode(QSGNode* old, UpdatePaintNodeData* data) override;
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData& value) override;

private:
    void takeFrame();
    // Tells the model how large the picture is drawn now, so the camera makes it no larger.
    void reportSide();
    int shownSide() const;
    const PreviewSource* source() const;

    // The source is the model itself; the guard tells when it is gone.
    QPointer<QObject> model_;
    PreviewSource* source_ = nullptr;
    QColor boneColor_{0x5c, 0xc8, 0xff};
    QColor jointColor_{0xf2, 0xf5, 0xfa};
    QImage picture_;
    bool isPictureNew_ = false;
    int framesDrawn_ = 0;
    int buffersAllocated_ = 0;
    int reportedSide_ = 0;
};

} // namespace qv
