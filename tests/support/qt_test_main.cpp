// Runs a test binary with the Qt platform installed, offscreen unless told otherwise.

#include "toolkit/qt/qt_platform.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    auto platform = tk::qt::MakeQtPlatform(argc, argv);
    tk::SetPlatform(platform.get());
    const int result = RUN_ALL_TESTS();
    tk::SetPlatform(nullptr);
    return result;
}
