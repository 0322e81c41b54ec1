#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Test discovery runs this binary outside CTest's environment too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // Each test closes its own window; that must not quit the next test's loops.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
