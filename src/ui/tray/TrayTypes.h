// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/menubar/MenuPopoverModel.h"

#include <QtQml/qqml.h>

// The popover's model as its QML knows it: typed, so that every binding to it is checked.
namespace qv::trayqml {

struct PopoverModelType {
    Q_GADGET
    QML_FOREIGN(qv::MenuPopoverModel)
    QML_NAMED_ELEMENT(MenuPopoverModel)
    QML_UNCREATABLE("Handed in by the tray's popover.")
};

} // namespace qv::trayqml
