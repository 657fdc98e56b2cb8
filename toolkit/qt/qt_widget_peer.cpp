#include "toolkit/qt/qt_widget_peer.h"

#include <QVariant>

namespace tk::qt {

namespace {
constexpr const char* kControlProperty = "tkControl";
}

QtWidgetPeer::QtWidgetPeer(tk::Control& control, QWidget* widget) : control_(control), widget_(widget) {
    widget->setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(&control)));
}

QtWidgetPeer::~QtWidgetPeer() {
    delete widget_.data();
}

void QtWidgetPeer::Sync() {
    if (!widget_)
        return;
    const tk::Rect r = control_.Bounds();
    widget_->setGeometry(r.x, r.y, r.width, r.height);
    widget_->setEnabled(control_.Enabled());
    widget_->setVisible(control_.Visible());
    SyncContent();
}

void QtWidgetPeer::SetFocus() {
    if (widget_)
        widget_->setFocus(Qt::OtherFocusReason);
}

tk::Control* QtWidgetPeer::ControlOf(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const QVariant value = widget->property(kControlProperty);
        if (value.isValid())
            return static_cast<tk::Control*>(value.value<void*>());
    }
    return nullptr;
}

} // namespace tk::qt
