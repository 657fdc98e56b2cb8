#pragma once

#include "toolkit/application.h"

// The application object. Its only setting is the shared menu bar.
class App : public tk::Application {
public:
    App();
};
