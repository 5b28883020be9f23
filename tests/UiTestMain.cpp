#include "ui/DialogFont.h"

#include <QApplication>
#include <gtest/gtest.h>

// Real widgets on Qt's offscreen platform, unless a display was asked for.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    pendra::installDialogFontSubstitutes();
    return RUN_ALL_TESTS();
}
