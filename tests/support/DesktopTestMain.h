#pragma once
// The main of a test program that runs on a desktop of its own (Xvfb with openbox): the application joins the
// desktop when it came up, as an X11 session, and `desktop` points at it; otherwise it stays null, the tests
// fail on it, and why the desktop did not come up is printed first.

#include "support/VirtualDesktop.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace orv::test {

inline int RunOnOwnDesktop(int argc, char** argv, VirtualDesktop*& desktop) {
    VirtualDesktop own({800, 600}, true);
    if (!own.display().isEmpty()) {
        qputenv("DISPLAY", own.display().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
        qunsetenv("XDG_SESSION_TYPE");
        desktop = &own;
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    desktop = nullptr;
    return result;
}

} // namespace orv::test
