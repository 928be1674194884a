#include <QCoreApplication>
#include <gtest/gtest.h>

// QSerialPort wants an application object; no event loop runs.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
