#include <QCoreApplication>
#include <gtest/gtest.h>

// Settings and the rest of the panel logic expect a Qt application object.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
