#pragma once

#include <QString>
#include <optional>

namespace qv {

enum class ExerciseKind { squat, overheadRaise };

QString rawText(ExerciseKind kind);
// Exact match of the raw text; anything else is no exercise kind.
std::optional<ExerciseKind> exerciseKindFromRawText(const QString& text);
QString displayName(ExerciseKind kind);

} // namespace qv
