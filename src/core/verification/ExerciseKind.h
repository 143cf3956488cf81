// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <optional>

namespace qv {

enum class ExerciseKind { squat, overheadRaise };
inline constexpr std::array<ExerciseKind, 2> allExerciseKinds = {ExerciseKind::squat,
                                                                 ExerciseKind::overheadRaise};

QString rawText(ExerciseKind kind);
// Exact match of the raw text; anything else is no exercise kind.
std::optional<ExerciseKind> exerciseKindFromRawText(const QString& text);
QString displayName(ExerciseKind kind);

} // namespace qv
