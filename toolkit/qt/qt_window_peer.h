#pragma once

#include "toolkit/peer.h"

#include <QMainWindow>
#include <QPointer>
#include <QStatusBar>

#include <map>
#include <optional>
#include <string>

class QButtonGroup;
class QScreen;

namespace tk {
class Control;
class Window;
} // namespace tk

namespace tk::qt {

class MenuBridge;

// The top-level widget of a window: its content area holds the controls at window coordinates.
class WindowWidget : public QMainWindow {
public:
    explicit WindowWidget(tk::Window& window);
    QWidget* Content() const { return content_; }
    // The menu bar as the settings say, hidden in full screen.
    void ShowMenuBar(bool fullScreen);
    // A status bar inside the content, which shows the hints of the menu items under the pointer as
    // the one below the content would.
    void SetInnerStatusBar(QStatusBar* bar) { innerStatusBar_ = bar; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Keeps where the window is in the settings, when they are to remember it.
    void RememberPlace();

    tk::Window& window_;
    QWidget* content_;
    QPointer<QStatusBar> innerStatusBar_;
    QSize laidOutSize_;
};

// The frame of a window about to open, whose content and menu bar take `size`, with the frame
// `margins` round it: centred over the frame `over`, moved onto the `available` area and, when it is
// `resizable`, shrunk to lie wholly on it.
QRect OpeningFrame(QRect over, QSize size, QMargins margins, QRect available, bool resizable);
// The same beside the frame `front`: to its right where the frame fits on the area there, else
// below it, else moved onto the area from its right, over the frame's right side.
QRect BesideFrame(QRect front, QSize size, QMargins margins, QRect available, bool resizable);
// A place kept in the settings ("x y width height": the frame's top left corner, the size within
// it), where it still lies on one of the screens there are now; none otherwise.
std::optional<QRect> PlaceOnAScreen(const std::optional<std::string>& kept);

class QtWindowPeer : public tk::WindowPeer {
public:
    explicit QtWindowPeer(tk::Window& window);
    ~QtWindowPeer() override;

    void Show() override;
    void Close() override;
    void ApplyTitle() override;
    void ApplyFullScreen() override;
    void UpdateMenus() override;
    void RealizeStatusBar(tk::StatusBar& bar) override;

    WindowWidget* Widget() const { return widget_; }

private:
    void ApplySettings();
    void RealizeControls();
    void AddKeyCommands();
    void PlaceOnOpening();
    void FitPage(const QRect& available, const QMargins& margins);
    void FollowScreens();
    void CoverScreen(QScreen* screen);
    QButtonGroup* RadioGroupOf(const tk::Control* parent);
    // Whether a key command of the window is an arrow key, which then acts wherever the focus is.
    bool TakesArrowKeys() const;

    tk::Window& window_;
    QPointer<WindowWidget> widget_;
    QPointer<MenuBridge> menuBridge_;
    std::map<const tk::Control*, QButtonGroup*> radioGroups_;
    bool followingScreens_ = false;
};

} // namespace tk::qt
