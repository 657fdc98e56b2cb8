#include "bench/canvas_widgets.h"

#include "toolkit/qt/qt_widget_peer.h"
#include "toolkit/qt/qt_window_peer.h"
#include "toolkit/window.h"

#include <algorithm>

namespace bench {

std::vector<QWidget*> WidgetsOf(const tk::Window& window, const std::vector<const tk::Control*>& controls) {
    std::vector<QWidget*> widgets(controls.size(), nullptr);
    const auto* peer = dynamic_cast<tk::qt::QtWindowPeer*>(window.Peer());
    if (!peer || !peer->Widget())
        return {};
    for (QWidget* child : peer->Widget()->Content()->findChildren<QWidget*>()) {
        const auto found =
            std::find(controls.begin(), controls.end(), tk::qt::QtWidgetPeer::ControlOf(child));
        if (found != controls.end() && child->property("tkControl").isValid())
            widgets[found - controls.begin()] = child;
    }
    return widgets;
}

} // namespace bench
