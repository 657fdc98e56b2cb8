#include "toolkit/window.h"

#include "toolkit/platform.h"

#include <algorithm>

namespace tk {

Window::~Window() {
    // The platform window goes first, while every control is whole: its widgets send events as they
    // go (the focus leaves them), and those may still ask the controls. The controls' peers then
    // find their widgets gone.
    peer_.reset();
    controls_.clear();
}

Control* Window::Find(const std::string& name, int index) const {
    for (const auto& control : controls_)
        if (control->Name() == name && control->Index() == index)
            return control.get();
    return nullptr;
}

std::vector<Control*> Window::Elements(const std::string& name) const {
    std::vector<Control*> elements;
    for (const auto& control : controls_)
        if (control->Name() == name && control->Index() != Control::kNoIndex)
            elements.push_back(control.get());
    std::sort(elements.begin(), elements.end(),
              [](const Control* a, const Control* b) { return a->Index() < b->Index(); });
    return elements;
}

std::vector<Control*> Window::Controls() const {
    std::vector<Control*> all;
    all.reserve(controls_.size());
    for (const auto& control : controls_)
        all.push_back(control.get());
    return all;
}

void Window::UpdateMenus() {
    if (peer_)
        peer_->UpdateMenus();
}

tk::StatusBar& Window::AddStatusBar(Rect place) {
    if (!statusBar_) {
        statusBar_ = std::make_unique<tk::StatusBar>();
        statusBar_->SetOwnerWindow(this);
        statusBar_->SetBounds(place.x, place.y, place.width, place.height);
        if (peer_)
            peer_->RealizeStatusBar(*statusBar_);
    }
    return *statusBar_;
}

void Window::Register(const std::string& name, std::unique_ptr<Control> control) {
    control->SetName(name);
    control->SetOwnerWindow(this);
    controls_.push_back(std::move(control));
}

void Window::Open() {
    Layout();
    CreateControls();
    AddMenuHandlers();
    ThePlatform().Realize(*this);
    open_ = true;
    for (const auto& control : controls_)
        control->Event_Open();
    Event_Open();
    if (settings.visible)
        Show();
}

void Window::Show() {
    if (peer_)
        peer_->Show();
}

void Window::SetTitle(std::string title, bool modified) {
    settings.title = std::move(title);
    settings.modified = modified;
    if (peer_)
        peer_->ApplyTitle();
}

void Window::Close() {
    if (peer_)
        peer_->Close();
    else
        NotifyClosed();
}

void Window::NotifyClosed() {
    if (!open_)
        return;
    open_ = false;
    for (const auto& control : controls_)
        control->Event_Close();
    Event_Close();
}

void Window::NotifyResized(int width, int height) {
    if (width == settings.width && height == settings.height)
        return;
    settings.width = width;
    settings.height = height;
    Event_Resize();
}

void Window::SetFullScreen(bool on) {
    settings.fullScreen = on;
    if (peer_)
        peer_->ApplyFullScreen();
}

} // namespace tk
