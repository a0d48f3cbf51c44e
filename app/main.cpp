#include "ui/form1.h"

#include <QApplication>
#include <QIcon>
#include <QSize>
#include <QString>

#include <array>

namespace {

QIcon programIcon()
{
    constexpr std::array kSizes{16, 32, 48, 64, 128, 256};
    QIcon icon;
    for (const int size : kSizes)
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/wingmap.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Wingmap");
    QApplication::setWindowIcon(programIcon());
    // Ties the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName("wingmap");
    wingmap::Form1 form;
    form.show();
    return app.exec();
}
