#include <QCoreApplication>

#include <gtest/gtest.h>

// Qt finds its image format plugins through the application object; no display is needed.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
