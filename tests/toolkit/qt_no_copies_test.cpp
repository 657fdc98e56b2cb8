// Peers, pictures and drawing contexts own platform objects (widgets, timers, images, painters), so
// none of them may be copied, on the toolkit's side or on Qt's. Checked when this file compiles.

#include "tests/support/fake_platform.h"
#include "tests/support/recording_graphics.h"
#include "toolkit/qt/qt_canvas_peer.h"
#include "toolkit/qt/qt_control_peers.h"
#include "toolkit/qt/qt_picture.h"
#include "toolkit/qt/qt_printer_graphics.h"
#include "toolkit/qt/qt_window_peer.h"

#include <type_traits>

namespace {

template <class T>
concept Uncopyable = !std::is_copy_constructible_v<T> && !std::is_copy_assignable_v<T>;
template <class... T> constexpr bool kNoneCopies = (Uncopyable<T> && ...);

// A picture that adds nothing the base could not copy, so only tk::Picture can forbid it.
class BarePicture : public tk::Picture {
public:
    int Width() const override { return 0; }
    int Height() const override { return 0; }
    int Depth() const override { return 0; }
    tk::Graphics* Graphics() override { return nullptr; }
};

// The fakes hold nothing but copyable members: what forbids their copies is the toolkit's base.
static_assert(kNoneCopies<tk::WindowPeer, fake::FakeCanvasPeer, fake::RecordingGraphics, BarePicture>);

using namespace tk::qt;
static_assert(kNoneCopies<QtWidgetPeer, QtEditFieldPeer, QtPushButtonPeer, QtRadioButtonPeer, QtGroupBoxPeer,
                          QtStaticTextPeer, QtRangePeer, QtHTMLViewerPeer, QtCanvasPeer, QtTimerPeer>);
static_assert(kNoneCopies<QtWindowPeer, QtPicture, QtGraphics, QtPrinterGraphics>);

} // namespace
