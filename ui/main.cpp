#include "ui/DialogFont.h"
#include "ui/PanelAccessibility.h"
#include "ui/PanelApp.h"
#include "ui/Pictures.h"
#include "ui/ShippedFonts.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    pendra::installPanelAccessibility();
    pendra::installDialogFontSubstitutes();
    pendra::installShippedFonts();
    QApplication::setWindowIcon(pendra::pictures::applicationIcon());
    // Lets desktops match the window to its installed desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.orvane.Pendra"));
    return pendra::PanelApp().run();
}
