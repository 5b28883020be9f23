#include "ui/PanelApp.h"
#include "ui/Pictures.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(pendra::pictures::applicationIcon());
    return pendra::PanelApp().run();
}
