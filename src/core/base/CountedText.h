// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace qv {

// A phrase with a count in it, in the loaded catalogue's plural form for n. English is the
// source language and has no catalogue of its own, so without a translation the English
// singular stands for one and the plural (the text lupdate extracts) for every other count.
// Callers mark the plural with QT_TRANSLATE_N_NOOP so that lupdate finds it:
//   countedText("Ctx", "%n squat", QT_TRANSLATE_N_NOOP("Ctx", "%n squats"), n)
QString countedText(const char* context, const char* singular, const char* plural, int n);

} // namespace qv
