// Runs a test binary with the Qt platform installed, offscreen unless told otherwise, and with
// settings of its own, which start empty and go when it ends: no test reads or writes the user's.

#include "toolkit/qt/qt_platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::string settings = (std::filesystem::temp_directory_path() / "parvok-test-XXXXXX").string();
    if (!mkdtemp(settings.data()))
        return 2;
    setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
    testing::InitGoogleTest(&argc, argv);
    auto platform = tk::qt::MakeQtPlatform(argc, argv);
    tk::SetPlatform(platform.get());
    const int result = RUN_ALL_TESTS();
    tk::SetPlatform(nullptr);
    platform.reset();
    std::filesystem::remove_all(settings);
    return result;
}
