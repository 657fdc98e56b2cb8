#include "startup/startup.h"

#include "app/about_parvok.h"
#include "app/about_wndo.h"
#include "app/app.h"
#include "app/menu_bar1.h"
#include "app/registered_view.h"
#include "app/shortcuts_wndo.h"
#include "mainwindow/main_wndo.h"
#include "measurements/measurements_wndo.h"
#include "observables/observables_wndo.h"
#include "presentation/presentation_wndo.h"
#include "spacetime/space_time_wndo.h"
#include "toolkit/application.h"

namespace {

// The views of the main window's run, in the order of the View menu.
constexpr RegisteredView kViews[] = {
    RegisteredView::Of<ObservablesWndo>(),
    RegisteredView::Of<PresentationWndo>(),
    RegisteredView::Of<SpaceTimeWndo>(),
    RegisteredView::Of<MeasurementsWndo>(),
};

} // namespace

int RunApplication(tk::Platform& platform, const std::string& lesson) {
    tk::SetPlatform(&platform);
    int exitCode = 0;
    {
        // The application handles the views' items before the main window's menus first ask what
        // is enabled.
        App app(kViews);
        MainWndo& main = MainWndo::Instance();
        main.KeepSession(platform.StateFolder());
        if (!lesson.empty())
            main.OpenLesson(lesson);
        exitCode = platform.Run();
        app.ReleaseViews();
        AboutParvok::Release();
        MainWndo::Release();
        AboutWndo::Release();
        ShortcutsWndo::Release();
    }
    MenuBar1::Release();
    return exitCode;
}
