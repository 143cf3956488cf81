// SPDX-License-Identifier: GPL-3.0-or-later
#include <QColor>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtQml/qqmlextensionplugin.h>
#include <gtest/gtest.h>
#include <memory>

Q_IMPORT_QML_PLUGIN(Quorvantel_ThemePlugin)

namespace {

// Every view imports the theme; a module that fails to register breaks all of them at once.
TEST(Theme, LoadsAsASingletonOnTheGridAndScale) {
    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/"));
    QQmlComponent component(&engine);
    component.setData(R"(
        import QtQuick
        import Quorvantel.Theme
        QtObject {
            property int grid: Theme.grid
            property int body: Theme.type.body
            property color accent: Theme.breakScreen.accent
        })",
                      QUrl());
    std::unique_ptr<QObject> object(component.create());
    ASSERT_TRUE(object) << component.errorString().toStdString();
    EXPECT_GT(object->property("grid").toInt(), 0);
    EXPECT_GT(object->property("body").toInt(), 0);
    EXPECT_TRUE(object->property("accent").value<QColor>().isValid());
}

} // namespace
