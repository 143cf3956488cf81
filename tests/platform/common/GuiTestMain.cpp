#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Qt's own frame conversion, the reference here, needs a GUI application; there is no
    // display on a test machine.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
