#include "app/app.h"

#include "app/menu_bar1.h"

App::App() {
    SetMenuBar(&MenuBar1::Instance());
}
