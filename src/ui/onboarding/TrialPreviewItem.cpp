#include "TrialPreviewItem.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace qv {

namespace {

constexpr std::array<std::pair<Joint, Joint>, 13> bones{{
    {Joint::neck, Joint::leftShoulder},
    {Joint::neck, Joint::rightShoulder},
    {Joint::leftShoulder, Joint::leftElbow},
    {Joint::leftElbow, Joint::leftWrist},
    {Joint::rightShoulder, Joint::rightElbow},
    {Joint::rightElbow, Joint::rightWrist},
    {Joint::root, Joint::leftHip},
    {Joint::root, Joint::rightHip},
    {Joint::leftHip, Joint::leftKnee},
    {Joint::leftKnee, Joint::leftAnkle},
    {Joint::rightHip, Joint::rightKnee},
    {Joint::rightKnee, Joint::rightAnkle},
    {Joint::neck, Joint::root},
}};

// The picture scaled to cover the item, centred; the overflow is cut.
QRectF coverRect(const QSizeF& picture, const QSizeF& item) {
    const double scale = std::max(item.width() / picture.width(), item.height() / picture.height());
    const QSizeF size = picture * scale;
    return {(item.width() - size.width()) / 2, (item.height() - size.height()) / 2, size.width(),
            size.height()};
}

} // namespace

TrialPreviewItem::TrialPreviewItem(QQuickItem* parent)
    : QQuickPaintedItem(parent) {
    setAntialiasing(true);
}

void TrialPreviewItem::setModel(QObject* model) {
    auto* onboarding = qobject_cast<OnboardingModel*>(model);
    if (model_ == onboarding) {
        return;
    }
    if (model_) {
        disconnect(model_, nullptr, this, nullptr);
    }
    model_ = onboarding;
    if (model_) {
        connect(model_, &OnboardingModel::trialPreviewChanged, this, &TrialPreviewItem::takeFrame);
        connect(model_, &OnboardingModel::trialPoseChanged, this, &TrialPreviewItem::takeFrame);
    }
    takeFrame();
    Q_EMIT modelChanged();
}

void TrialPreviewItem::setBoneColor(const QColor& color) {
    if (boneColor_ != color) {
        boneColor_ = color;
        update();
        Q_EMIT boneColorChanged();
    }
}

void TrialPreviewItem::setJointColor(const QColor& color) {
    if (jointColor_ != color) {
        jointColor_ = color;
        update();
        Q_EMIT jointColorChanged();
    }
}

void TrialPreviewItem::takeFrame() {
    const bool had = hasPicture();
    const std::optional<qv::Image>* preview = model_ ? &model_->trialPreview() : nullptr;
    if (preview && *preview && !(*preview)->isNull()) {
        const qv::Image& image = **preview;
        // The model keeps its frame, so the bytes outlive this wrapper until copy() returns.
        picture_ = QImage(reinterpret_cast<const uchar*>(image.rgb().constData()), image.width(),
                          image.height(), image.width() * 3, QImage::Format_RGB888)
                       .copy();
    } else {
        picture_ = QImage();
    }
    pose_ = model_ ? model_->trialPose() : std::nullopt;
    update();
    if (had != hasPicture()) {
        Q_EMIT hasPictureChanged();
    }
}

void TrialPreviewItem::paint(QPainter* painter) {
    if (picture_.isNull() || width() <= 0 || height() <= 0) {
        return;
    }
    const QRectF target = coverRect(picture_.size(), size());
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setClipRect(QRectF(QPointF(0, 0), size()));
    painter->drawImage(target, picture_);
    drawSkeleton(painter, target);
}

void TrialPreviewItem::drawSkeleton(QPainter* painter, const QRectF& pictureRect) const {
    if (!pose_) {
        return;
    }
    // Pose points have their origin at the picture's lower left, y growing upwards.
    const auto place = [&](const PoseJoint& joint) {
        return QPointF(pictureRect.left() + joint.point.x * pictureRect.width(),
                       pictureRect.top() + (1.0 - joint.point.y) * pictureRect.height());
    };
    const double unit = std::max(2.0, std::min(width(), height()) / 110.0);
    painter->setPen(QPen(boneColor_, unit, Qt::SolidLine, Qt::RoundCap));
    for (const auto& [from, to] : bones) {
        const auto a = pose_->confidentJoint(from);
        const auto b = pose_->confidentJoint(to);
        if (a && b) {
            painter->drawLine(place(*a), place(*b));
        }
    }
    painter->setPen(Qt::NoPen);
    painter->setBrush(jointColor_);
    for (const Joint each : allJoints) {
        if (const auto joint = pose_->confidentJoint(each)) {
            painter->drawEllipse(place(*joint), unit * 1.2, unit * 1.2);
        }
    }
}

} // namespace qv
