// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QObject>
#include <QString>

namespace qv {

// Files the user's data could not be saved to. Every store tells of each save of its file;
// a file that starts failing is said once (problemFound, for a notification) and stays in
// notice (for the settings window) until a save of it works again. Main thread only. Not
// final: QML's type registration derives from a class it could construct.
class SaveProblems : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString notice READ notice NOTIFY noticeChanged)

public:
    using QObject::QObject;

    void saved(const QString& path);
    // failure names the file and says why, as writeWholeFile does.
    void failed(const QString& path, const QString& failure);

    bool hasProblems() const { return !failures_.isEmpty(); }
    // One sentence per failing file; empty when every save worked.
    QString notice() const;

Q_SIGNALS:
    void noticeChanged();
    void problemFound(const QString& sentence);

private:
    static QString sentence(const QString& failure);

    QMap<QString, QString> failures_;
};

} // namespace qv
