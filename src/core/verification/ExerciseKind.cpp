// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/ExerciseKind.h"

#include <QCoreApplication>

namespace qv {

QString rawText(ExerciseKind kind) {
    switch (kind) {
    case ExerciseKind::squat:
        return QStringLiteral("squat");
    case ExerciseKind::overheadRaise:
        return QStringLiteral("overheadRaise");
    }
    return {};
}

std::optional<ExerciseKind> exerciseKindFromRawText(const QString& text) {
    if (text == QLatin1String("squat")) {
        return ExerciseKind::squat;
    }
    if (text == QLatin1String("overheadRaise")) {
        return ExerciseKind::overheadRaise;
    }
    return std::nullopt;
}

QString displayName(ExerciseKind kind) {
    switch (kind) {
    case ExerciseKind::squat:
        return QCoreApplication::translate("Exercise", "Squats");
    case ExerciseKind::overheadRaise:
        return QCoreApplication::translate("Exercise", "Overhead Raises");
    }
    return {};
}

} // namespace qv
