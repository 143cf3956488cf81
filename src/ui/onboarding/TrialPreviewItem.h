#pragma once

#include "core/onboarding/OnboardingModel.h"

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

namespace qv {

// The practice run's picture: the model's latest preview cropped to fill the item, with the
// pose's skeleton drawn over it.
class TrialPreviewItem : public QQuickPaintedItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QObject* model READ model WRITE setModel NOTIFY modelChanged)
    Q_PROPERTY(QColor boneColor READ boneColor WRITE setBoneColor NOTIFY boneColorChanged)
    Q_PROPERTY(QColor jointColor READ jointColor WRITE setJointColor NOTIFY jointColorChanged)
    Q_PROPERTY(bool hasPicture READ hasPicture NOTIFY hasPictureChanged)

public:
    explicit TrialPreviewItem(QQuickItem* parent = nullptr);

    QObject* model() const { return model_; }
    void setModel(QObject* model);
    QColor boneColor() const { return boneColor_; }
    void setBoneColor(const QColor& color);
    QColor jointColor() const { return jointColor_; }
    void setJointColor(const QColor& color);
    bool hasPicture() const { return !picture_.isNull(); }

    void paint(QPainter* painter) override;

Q_SIGNALS:
    void modelChanged();
    void boneColorChanged();
    void jointColorChanged();
    void hasPictureChanged();

private:
    void takeFrame();
    void drawSkeleton(QPainter* painter, const QRectF& pictureRect) const;

    QPointer<OnboardingModel> model_;
    QColor boneColor_{0x5c, 0xc8, 0xff};
    QColor jointColor_{0xf2, 0xf5, 0xfa};
    QImage picture_;
    std::optional<PoseSnapshot> pose_;
};

} // namespace qv
