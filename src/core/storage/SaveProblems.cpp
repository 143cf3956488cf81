// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storage/SaveProblems.h"

#include <QCoreApplication>
#include <QStringList>

namespace qv {

void SaveProblems::saved(const QString& path) {
    if (failures_.remove(path) > 0) {
        Q_EMIT noticeChanged();
    }
}

void SaveProblems::failed(const QString& path, const QString& failure) {
    const auto known = failures_.constFind(path);
    const bool isNew = known == failures_.constEnd();
    if (!isNew && *known == failure) {
        return;
    }
    failures_.insert(path, failure);
    Q_EMIT noticeChanged();
    // A reason that changes while the file keeps failing is the same problem to the user.
    if (isNew) {
        Q_EMIT problemFound(sentence(failure));
    }
}

QString SaveProblems::notice() const {
    QStringList sentences;
    for (const QString& failure : failures_) {
        sentences << sentence(failure);
    }
    return sentences.join(QLatin1Char('\n'));
}

QString SaveProblems::sentence(const QString& failure) {
    return QCoreApplication::translate("Storage",
                                       "Could not save %1. Quorvantel keeps your changes while it "
                                       "runs and saves them again at the next change.",
                                       "%1 names the file and says why")
        .arg(failure);
}

} // namespace qv
