// Full-screen windows on a desk with two screens (ctest runs this binary on an offscreen platform
// configured with two_screens.json): a projector to the right of the desk's screen.

#include "toolkit/qt/qt_window_peer.h"
#include "toolkit/window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

class PlainWindow : public tk::Window {
public:
    explicit PlainWindow(bool fullScreen) : fullScreen_(fullScreen) {}
    void Layout() override {
        settings.title = fullScreen_ ? "Full screen" : "Windowed";
        settings.width = 400;
        settings.height = 300;
        settings.fullScreen = fullScreen_;
    }

private:
    bool fullScreen_;
};

QWidget& WidgetOf(const tk::Window& window) {
    return *static_cast<tk::qt::QtWindowPeer*>(window.Peer())->Widget();
}

// It opens full screen where the window in front is, and covers the desk's screen when the projector
// goes (Qt then moves it to the screen that remains, unchanged); it leaves full screen onto that one.
TEST(TwoScreens, FullScreenOnTheScreenOfTheWindowInFrontAndOnTheOtherWhenThatOneGoes) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2)
        << "run with QT_QPA_PLATFORM=offscreen:configfile=two_screens.json, as ctest does";
    QScreen& desk = *screens[0];
    QScreen& projector = *screens[1];
    PlainWindow main(false);
    main.Open();
    WidgetOf(main).windowHandle()->setScreen(&projector);
    WidgetOf(main).move(projector.geometry().topLeft() + QPoint(100, 100));
    QApplication::setActiveWindow(&WidgetOf(main));

    PlainWindow shown(true);
    shown.Open();
    QApplication::processEvents();
    QWidget& widget = WidgetOf(shown);
    EXPECT_EQ(widget.geometry(), projector.geometry());
    EXPECT_EQ(std::pair(shown.settings.width, shown.settings.height), std::pair(1920, 1080));

    widget.windowHandle()->setScreen(&desk);
    QApplication::processEvents();
    EXPECT_EQ(std::pair(widget.isFullScreen(), widget.geometry()), std::pair(true, desk.geometry()));
    EXPECT_EQ(std::pair(shown.settings.width, shown.settings.height), std::pair(1280, 800));
    shown.SetFullScreen(false);
    QApplication::processEvents();
    EXPECT_TRUE(desk.geometry().contains(widget.geometry()));
}

} // namespace
