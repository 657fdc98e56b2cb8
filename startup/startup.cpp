#include "startup/startup.h"

#include "app/about_parvok.h"
#include "app/about_wndo.h"
#include "app/app.h"
#include "app/menu_bar1.h"
#include "mainwindow/main_wndo.h"
#include "presentation/presentation_wndo.h"

int RunApplication(tk::Platform& platform) {
    tk::SetPlatform(&platform);
    int exitCode = 0;
    {
        App app;
        PresentationWndo::AddMenuHandlerTo(app);
        MainWndo::Instance();
        exitCode = platform.Run();
        PresentationWndo::Release();
        AboutParvok::Release();
        MainWndo::Release();
        AboutWndo::Release();
    }
    MenuBar1::Release();
    return exitCode;
}
