#include "toolkit/qt/qt_widget_peer.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QVariant>

namespace tk::qt {

namespace {
constexpr const char* kControlProperty = "tkControl";
}

QtWidgetPeer::QtWidgetPeer(tk::Control& control, QWidget* widget) : control_(control), widget_(widget) {
    widget->setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(&control)));
}

// The derived peer is gone by now, and a widget that goes sends signals (the focus leaves it):
// they must not reach the handlers it connected, so those are cut before the widget is deleted.
QtWidgetPeer::~QtWidgetPeer() {
    if (!widget_)
        return;
    QObject::disconnect(qApp, nullptr, widget_.data(), nullptr);
    widget_->disconnect();
    delete widget_.data();
}

// What the widget reports while it is shown a setting (a cursor or value moved to fit) is not the
// user's doing, and the control already holds what it should show.
void QtWidgetPeer::Apply(tk::Aspect aspect) {
    if (!widget_)
        return;
    const QSignalBlocker quiet(widget_.data());
    switch (aspect) {
    case tk::Aspect::Geometry: {
        const tk::Rect r = control_.Bounds();
        widget_->setGeometry(r.x, r.y, r.width, r.height);
        break;
    }
    case tk::Aspect::Enabled:
        widget_->setEnabled(control_.Enabled());
        break;
    case tk::Aspect::Visible:
        widget_->setVisible(control_.Visible());
        break;
    case tk::Aspect::Accessibility:
        widget_->setAccessibleName(QString::fromStdString(control_.AccessibleName()));
        widget_->setAccessibleDescription(QString::fromStdString(control_.AccessibleDescription()));
        widget_->setToolTip(QString::fromStdString(control_.ToolTip()));
        break;
    default:
        break;
    }
    ApplyContent(aspect);
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
