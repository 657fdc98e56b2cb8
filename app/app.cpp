#include "app/app.h"

#include "app/menu_bar1.h"

App::App(std::span<const RegisteredView> views) : views_(views) {
    MenuBar1& bar = MenuBar1::Instance();
    SetMenuBar(&bar);
    for (const RegisteredView& view : views_) {
        bar.AddViewItem(view.item);
        view.addMenuHandlerTo(*this);
    }
}

void App::ReleaseViews() const {
    for (const RegisteredView& view : views_)
        view.release();
}
