#include <QCoreApplication>
#include <gtest/gtest.h>

// QSerialPort wants an application object, although the tests never run its
// event loop: a send blocks its thread, and so do these tests.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
