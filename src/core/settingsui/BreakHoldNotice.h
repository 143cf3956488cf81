// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/breakscreen/BreakScreenHold.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

namespace qv {

// What the settings window and the first launch tell about this desktop's hold on a break:
// one plain sentence where a break can be left, and the one action that changes that where
// there is one. Both views bind to the same notice, so they never disagree.
class BreakHoldNotice final : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString sentence READ sentence NOTIFY changed)
    Q_PROPERTY(bool canEnable READ canEnable NOTIFY changed)
    Q_PROPERTY(QString enableTitle READ enableTitle CONSTANT)

public:
    // Follows the hold's status changes from now on; without a hold there is nothing to say.
    // The hold must outlive the notice.
    explicit BreakHoldNotice(BreakScreenHold* hold, QObject* parent = nullptr);
    ~BreakHoldNotice() override;

    BreakHoldStatus status() const;
    QString sentence() const;
    bool canEnable() const { return status().remedy == BreakHoldRemedy::enable; }
    QString enableTitle() const { return QCoreApplication::translate("Settings", "Turn On"); }

    // The action's button: asks the desktop; the sentence follows its answer.
    Q_INVOKABLE void enable();

Q_SIGNALS:
    void changed();

private:
    BreakScreenHold* hold_;
};

} // namespace qv
