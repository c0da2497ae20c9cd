// GoogleTest main with the QApplication the dialogs need.
#include <gtest/gtest.h>

#include <QApplication>

#include "DialogFixture.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    dialogtest::QuietPlatformNotes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
