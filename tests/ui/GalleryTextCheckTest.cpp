// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/gallery/support/TextCheck.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Faults the check finds in one item made from QML, read under the pseudo-language.
int faultsIn(const QByteArray& itemQml) {
    qputenv("QUORVANTEL_LANGUAGE", "pseudo");
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQuick\n" + itemQml, QUrl());
    const std::unique_ptr<QObject> made(component.create());
    auto* item = qobject_cast<QQuickItem*>(made.get());
    EXPECT_NE(item, nullptr) << component.errorString().toStdString();
    if (!item) {
        return -1;
    }
    const int before = qv::gallery::TextCheck::faults();
    qv::gallery::TextCheck({QStringLiteral("Desk Camera HD")}).check(*item, QStringLiteral("test"));
    return qv::gallery::TextCheck::faults() - before;
}

// Catalogue texts, data and what is not shown or was typed pass; words outside the catalogue
// and texts that do not fit are each one fault.
TEST(GalleryTextCheck, FindsWordsOutsideTheCatalogueAndTextsThatDoNotFit) {
    const QByteArray longText = "\"[Ŵåîţîñĝ ûñţîļ ţĥé ñéxţ ŵöřķîñĝ ðåý······]\" }";
    const struct {
        QByteArray qml;
        int faults;
    } cases[] = {
        {R"(Text { text: "[Šţåřţ ñöŵ··] 3/10" })", 0},
        {R"(Text { text: "[Ûšîñĝ [Ŵöřð··]··]" })", 0},
        {R"(Text { text: "<b>[Ñöŵ·]</b>&nbsp;42 %"; textFormat: Text.StyledText })", 0},
        {R"(Text { text: "Desk Camera HD, Quorvantel, Mar 7, 10:24 AM" })", 0},
        {R"(Text { text: "E" })", 0},
        {R"(Item { Text { visible: false; text: "Hidden" } })", 0},
        {R"(Item { opacity: 0; Text { text: "Faded" } })", 0},
        {R"(TextInput { text: "typed by me" })", 0},
        {R"(Text { text: "Start now" })", 1},
        {R"(Text { text: "[Ĉåméřå·] could not start" })", 1},
        {R"(Item { Item { Text { text: "Deep inside" } } })", 1},
        {"Text { width: 60; elide: Text.ElideRight; text: " + longText, 1},
        {"Text { width: 60; text: " + longText, 1},
        {"Text { width: 60; height: 20; wrapMode: Text.Wrap; text: " + longText, 1},
        {"Text { width: 60; wrapMode: Text.Wrap; text: " + longText, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(faultsIn(c.qml), c.faults) << c.qml.toStdString();
    }
}

} // namespace
