#pragma once

#include "toolkit/dialogs.h"
#include "toolkit/output.h"
#include "toolkit/picture.h"
#include "toolkit/settings.h"

#include <memory>
#include <string>

namespace tk {

class Window;

// The application's resources: texts found by type and id.
class ResourceStore {
public:
    virtual ~ResourceStore() = default;
    // The text of the resource, or an empty text when there is none.
    virtual std::string GetResource(const std::string& type, int id) = 0;
};

// What the logic needs of a GUI toolkit, provided once per process.
class Platform {
public:
    virtual ~Platform() = default;

    // A picture in logical pixels, each covering zoom x zoom logical pixels of the screen; null when it
    // cannot be made.
    virtual std::unique_ptr<Picture> NewPicture(int width, int height, int depth, int zoom) = 0;
    // A drawing context that prints to a PDF file, finished when the context goes; null when the
    // file cannot be written. One logical pixel is one point (1/72 inch) on the page.
    virtual std::unique_ptr<Graphics> OpenPrinter(const std::string& pdfPath) = 0;
    // The resource store, or null where the application has none.
    virtual ResourceStore* Resources() = 0;
    // The dialogs that ask the user and tell them what went wrong, and the files, clipboard and
    // printers the program's pictures and data go to. A platform without them (a benchmark's) keeps
    // these: every dialog is cancelled and nothing leaves.
    virtual tk::Dialogs& Dialogs();
    virtual tk::Output& Output();
    // What the program remembers between sessions. A platform without a store of its own (a test's
    // or a benchmark's) keeps it for the process only.
    virtual tk::Settings& Settings();
    // The folder where the program keeps the state of its session, to take up again after a crash;
    // empty where nothing is kept (a test's or a benchmark's platform).
    virtual std::string StateFolder() const { return {}; }
    // Gives the window and each of its controls their platform side.
    virtual void Realize(Window& window) = 0;
    // Runs the event loop until Quit; returns the exit code.
    virtual int Run() = 0;
    virtual void Quit(int exitCode) = 0;
    // A menu shortcut ("Cmd+Q") as the platform's menus show it.
    virtual std::string ShortcutText(const std::string& shortcut) const { return shortcut; }
};

// The current platform; raises NilObjectException when none is installed.
Platform& ThePlatform();
// Installs the platform (not owned); null removes it. Returns the one installed before.
Platform* SetPlatform(Platform* platform);

// Ends the event loop with the given exit code.
void Quit(int exitCode = 0);

} // namespace tk
