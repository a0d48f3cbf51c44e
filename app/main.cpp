#include "ui/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Wingmap");
    // Ties the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName("wingmap");
    wingmap::Form1 form;
    form.show();
    return app.exec();
}
