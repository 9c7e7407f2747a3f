// SPDX-License-Identifier: GPL-3.0-or-later
// main() of the window tests: one QApplication for all cases, on the offscreen platform
// unless the environment asks for another (test discovery runs without a display).
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "window/resources.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ninebox::preloadResources();  // as the program starts, and taken as its window takes them
    QApplication app(argc, argv);
    ninebox::loadResources();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
