// The main of the GoogleTest suites that paint: QPainter on a QImage needs a
// QGuiApplication, here on the offscreen platform.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
