// The main of every test group: a QApplication on the offscreen platform unless a display is
// asked for, so model tests and view tests run without a window system.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>

#include "tests/support/quiet_platform.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    silenceOffscreenPlatformWarnings();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // What the tests left to deleteLater goes now, as the event loop would have done it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
