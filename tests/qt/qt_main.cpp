// SPDX-License-Identifier: MIT
// Runs the Qt binding's tests on Qt's offscreen platform: real widgets and
// real events without a display.

#include "qt/application.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zindle::qt::describeApplication(app);   // as the program does: names, icon
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
