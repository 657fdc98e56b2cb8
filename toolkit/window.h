#pragma once

#include "toolkit/binding.h"
#include "toolkit/color.h"
#include "toolkit/control.h"
#include "toolkit/menu_handlers.h"
#include "toolkit/peer.h"
#include "toolkit/status_bar.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tk {

class MenuBar;

// Where a window opens while another of the application's is in front: centred over it, as a
// dialog; or beside it, where the screen has room, to its right, else below it, else against the
// screen's edge from its right, over its right side.
inline constexpr int kPlaceOver = 0;
inline constexpr int kPlaceBeside = 1;

struct WindowSettings {
    // Where the title holds "[*]", a mark shows while `modified`: changes the window's document has
    // that are not saved yet.
    std::string title;
    bool modified = false;
    int width = 300; // content size; kept up to date as the user resizes the window
    int height = 300;
    bool resizable = true;
    int minWidth = 64;
    int minHeight = 64;
    int maxWidth = 32000;
    int maxHeight = 32000;
    bool liveResize = true;
    bool closeButton = true;
    bool minimizeButton = true;
    bool maximizeButton = true;
    bool fullScreen = false; // covering its screen, with no frame and no menu bar (whose keys still work)
    bool menuBarVisible = true;
    bool closeKeys = false; // Esc and Cmd+W close the window, as they close a dialog
    bool fitPage = false;   // opens as tall as its page viewer's page, as far as its screen has room
    bool composite = false;
    std::optional<Color> backColor;
    int frame = 0;
    int placement = 0; // kPlaceOver or kPlaceBeside
    // The key of the settings under which the window's place is kept from one session to the next:
    // it opens where the user left it, while that lies on a screen. Empty: placed anew each time.
    std::string rememberedPlace;
    bool visible = true;
};

// A window with its controls. Construction happens in Open(): Layout, CreateControls and
// AddMenuHandlers run first; then the platform shows the window, each control opens in creation
// order, and finally the window's own Event_Open runs.
class Window : public MenuHandlers {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    WindowSettings settings;

    tk::MenuBar* MenuBar() const { return menuBar_; }
    void SetMenuBar(tk::MenuBar* bar) { menuBar_ = bar; }
    // Asks the menus of every window to enable again the items that something can carry out now: a
    // window calls it when its menu handlers' conditions may have changed, and the other windows'
    // keys, which reach its handlers too, follow. Menus also check when they open.
    void UpdateMenus();

    // The status bar, made on the first call, before or after the window opens: below the content,
    // which keeps its size, or, given a place, inside the content at that place, so that the window
    // is no larger than its content and menu bar.
    tk::StatusBar& AddStatusBar(Rect place = {});
    tk::StatusBar* StatusBar() const { return statusBar_.get(); }

    // Takes ownership of a control and registers it under its name (and index, for array elements).
    template <class T> T& AddControl(const std::string& name, std::unique_ptr<T> control) {
        T& ref = *control;
        Register(name, std::move(control));
        return ref;
    }
    // The control of that name and index, or null.
    Control* Find(const std::string& name, int index = Control::kNoIndex) const;
    // The same, as the kind of control it is; null also when it is of another kind.
    template <class T> T* Find(const std::string& name, int index = Control::kNoIndex) const {
        return dynamic_cast<T*>(Find(name, index));
    }
    // The elements of a control array, by index.
    std::vector<Control*> Elements(const std::string& name) const;
    // Binds an event of every element of a control array to one handler of this window, which
    // receives the index of the element that fired.
    template <class Base, class W>
    void BindArray(const std::string& name, std::function<void()> Base::*event, void (W::*handler)(int)) {
        for (Control* element : Elements(name))
            if (auto* source = dynamic_cast<Base*>(element))
                Bind(*source, event, static_cast<W&>(*this), handler);
    }
    // Every control in creation order.
    std::vector<Control*> Controls() const;

    void Open();
    void Show();
    // Another title, or the same with the mark of changes not saved shown or not.
    void SetTitle(std::string title, bool modified);
    void Close();
    bool IsOpen() const { return open_; }

    // Called by the platform when the user closed the window.
    void NotifyClosed();
    // Called by the platform when the content area took another size, after the controls followed
    // their locked edges: settings.width and settings.height become that size, then Event_Resize
    // runs. A size equal to the one in the settings changes nothing.
    void NotifyResized(int width, int height);

    // Enters or leaves full screen; an open window does so at once, on the screen it is on.
    void SetFullScreen(bool on);
    bool FullScreen() const { return settings.fullScreen; }
    // Called by the platform when the window entered or left full screen by other means.
    void NotifyFullScreen(bool on) { settings.fullScreen = on; }

    // A key the window acts on wherever its focus is, beside the shortcuts of its menus: "Esc",
    // "Cmd+W", Cmd being the platform's command key. Added before the window opens.
    struct KeyCommand {
        std::string keys;
        std::function<void()> action;
    };
    void AddKeyCommand(std::string keys, std::function<void()> action) {
        keyCommands_.push_back({std::move(keys), std::move(action)});
    }
    const std::vector<KeyCommand>& KeyCommands() const { return keyCommands_; }

    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers() {}
    virtual void Event_Open() {}
    // Asked before the user closes the window (by its close button or the window manager); true
    // keeps it open.
    virtual bool Event_CancelClose() { return false; }
    virtual void Event_Close() {}
    virtual void Event_Resize() {}

    void AttachPeer(std::unique_ptr<WindowPeer> peer) { peer_ = std::move(peer); }
    WindowPeer* Peer() const { return peer_.get(); }

private:
    void Register(const std::string& name, std::unique_ptr<Control> control);

    tk::MenuBar* menuBar_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unique_ptr<WindowPeer> peer_;
    std::vector<KeyCommand> keyCommands_;
    std::unique_ptr<tk::StatusBar> statusBar_;
    bool open_ = false;
};

} // namespace tk
