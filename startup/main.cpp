#include "startup/startup.h"
#include "toolkit/qt/qt_platform.h"

#include <exception>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (!tk::qt::DisplayAvailable()) {
        std::cerr << "Parvok needs a graphical display, and none was found (DISPLAY is not set); "
                     "to run it without one, use: xvfb-run make run\n";
        return 1;
    }
    // The id names the desktop entry, the icon and the AppStream data that data/ installs.
    const tk::qt::AppIdentity identity{"Parvok", PARVOK_APP_ID, PARVOK_ICON_FOLDER};
    auto platform = tk::qt::MakeQtPlatform(argc, argv, identity);
    // Qt has taken its own arguments out; what is left is a lesson file, as the desktop passes it.
    const std::string lesson = argc > 1 ? argv[1] : "";
    try {
        return RunApplication(*platform, lesson);
    } catch (const std::exception& failure) {
        std::cerr << "Parvok could not start: " << failure.what() << '\n';
        return 1;
    }
}
