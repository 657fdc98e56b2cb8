#include "app/startup.h"

#include "app/about_parvok.h"
#include "app/about_wndo.h"
#include "app/app.h"
#include "app/menu_bar1.h"
#include "app/shortcuts_wndo.h"

int RunApplication(tk::Platform& platform, const MainWindowHooks& mainWindow) {
    tk::SetPlatform(&platform);
    int exitCode = 0;
    {
        App app;
        mainWindow.open();
        exitCode = platform.Run();
        AboutParvok::Release();
        mainWindow.release();
        AboutWndo::Release();
        ShortcutsWndo::Release();
    }
    MenuBar1::Release();
    return exitCode;
}
