#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // The built application folder, for tests that run its programs.
    if (qgetenv("QUIVEREL_APP_DIR").isEmpty()) qputenv("QUIVEREL_APP_DIR", QUIVEREL_TEST_APP_DIR);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
