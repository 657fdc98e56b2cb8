#include "startup/startup.h"

#include "app/about_parvok.h"
#include "app/about_wndo.h"
#include "app/app.h"
#include "app/menu_bar1.h"
#include "app/shortcuts_wndo.h"
#include "mainwindow/main_wndo.h"
#include "observables/observables_wndo.h"
#include "presentation/presentation_wndo.h"
#include "toolkit/application.h"

int RunApplication(tk::Platform& platform) {
    tk::SetPlatform(&platform);
    int exitCode = 0;
    {
        App app;
        // The application handles View > Observables and View > Presentation, so that they work from
        // every window; it does so before the main window's menus first ask what is enabled.
        ObservablesWndo::AddMenuHandlerTo(app);
        PresentationWndo::AddMenuHandlerTo(app);
        MainWndo::Instance();
        exitCode = platform.Run();
        PresentationWndo::Release();
        AboutParvok::Release();
        ObservablesWndo::Release();
        MainWndo::Release();
        AboutWndo::Release();
        ShortcutsWndo::Release();
    }
    MenuBar1::Release();
    return exitCode;
}
