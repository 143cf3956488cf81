// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How the application names itself to the desktop: reverse-DNS identifier and display name.
namespace qv::appIdentity {
inline const QString applicationId = QStringLiteral("com.tamsorek.Quorvantel");
inline const QString displayName = QStringLiteral("Quorvantel");
} // namespace qv::appIdentity
