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

TEST(GalleryTextCheck, LetsCatalogueTextsAndDataPass) {
    EXPECT_EQ(faultsIn(R"(Text { text: "[Šţåřţ ñöŵ··] 3/10" })"), 0);
    EXPECT_EQ(faultsIn(R"(Text { text: "[Ûšîñĝ [Ŵöřð··]··]" })"), 0);
    EXPECT_EQ(faultsIn(R"(Text { text: "<b>[Ñöŵ·]</b>&nbsp;42 %"; textFormat: Text.StyledText })"),
              0);
    EXPECT_EQ(faultsIn(R"(Text { text: "Desk Camera HD, Quorvantel, Mar 7, 10:24 AM" })"), 0);
    EXPECT_EQ(faultsIn(R"(Text { text: "E" })"), 0);
    // What is not shown, and what the user typed, is no copy.
    EXPECT_EQ(faultsIn(R"(Item { Text { visible: false; text: "Hidden" } })"), 0);
    EXPECT_EQ(faultsIn(R"(Item { opacity: 0; Text { text: "Faded" } })"), 0);
    EXPECT_EQ(faultsIn(R"(TextInput { text: "typed by me" })"), 0);
}

TEST(GalleryTextCheck, FindsWordsOutsideTheCatalogue) {
    EXPECT_EQ(faultsIn(R"(Text { text: "Start now" })"), 1);
    EXPECT_EQ(faultsIn(R"(Text { text: "[Ĉåméřå·] could not start" })"), 1);
    EXPECT_EQ(faultsIn(R"(Item { Item { Text { text: "Deep inside" } } })"), 1);
}

TEST(GalleryTextCheck, FindsTextsThatDoNotFit) {
    const QByteArray longText = "[Ŵåîţîñĝ ûñţîļ ţĥé ñéxţ ŵöřķîñĝ ðåý······]";
    EXPECT_EQ(faultsIn("Text { width: 60; elide: Text.ElideRight; text: \"" + longText + "\" }"),
              1);
    EXPECT_EQ(faultsIn("Text { width: 60; text: \"" + longText + "\" }"), 1);
    EXPECT_EQ(
        faultsIn("Text { width: 60; height: 20; wrapMode: Text.Wrap; text: \"" + longText + "\" }"),
        1);
    EXPECT_EQ(faultsIn("Text { width: 60; wrapMode: Text.Wrap; text: \"" + longText + "\" }"), 0);
}

} // namespace
