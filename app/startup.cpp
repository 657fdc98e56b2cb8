#include "app/startup.h"

#include "app/app.h"
#include "app/menu_bar1.h"

int RunApplication(tk::Platform& platform, const MainWindowHooks& mainWindow) {
    tk::SetPlatform(&platform);
    int exitCode = 0;
    {
        App app;
        mainWindow.open();
        exitCode = platform.Run();
        mainWindow.release();
    }
    MenuBar1::Release();
    return exitCode;
}
