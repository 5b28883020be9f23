#include "ui/DialogFont.h"
#include "ui/PanelAccessibility.h"
#include "ui/ShippedFonts.h"

#include <QApplication>
#include <gtest/gtest.h>

// Real widgets on Qt's offscreen platform, unless a display was asked for.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tests read the English texts, whatever language the machine speaks.
    qputenv("LANGUAGE", "en");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    pendra::installPanelAccessibility();
    pendra::installDialogFontSubstitutes();
    pendra::installShippedFonts();
    return RUN_ALL_TESTS();
}
