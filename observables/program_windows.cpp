#include "observables/program_windows.h"

#include "mainwindow/main_wndo.h"
#include "observables/observables_wndo.h"
#include "toolkit/application.h"

MainWindowHooks ProgramWindows() {
    const auto open = [] {
        ObservablesWndo::AddMenuHandlerTo(*tk::Application::Current());
        MainWndo::Instance();
    };
    const auto release = [] {
        ObservablesWndo::Release();
        MainWndo::Release();
    };
    return {open, release};
}
