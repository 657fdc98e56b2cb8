#pragma once

#include "toolkit/control.h"
#include "toolkit/peer.h"

#include <QPointer>
#include <QWidget>

namespace tk::qt {

// The peer of a control shown by one widget: shows the place, the enabled and visible state and the
// accessible texts of any control, and leaves the rest to the kind of control. The widget belongs
// to its parent widget; every connection the peer makes uses the widget as its context.
class QtWidgetPeer : public tk::ControlPeer {
public:
    QtWidgetPeer(tk::Control& control, QWidget* widget);
    ~QtWidgetPeer() override;

    void Apply(tk::Aspect aspect) override;
    void SetFocus() override;

    // The control a widget shows, found through the widget or its ancestors; null if none.
    static tk::Control* ControlOf(const QWidget* widget);

protected:
    // Shows what the kind of control adds to an aspect, after what every control shows of it.
    virtual void ApplyContent(tk::Aspect /*aspect*/) {}
    tk::Control& control() const { return control_; }
    QWidget* widget() const { return widget_; }

private:
    tk::Control& control_;
    QPointer<QWidget> widget_;
};

} // namespace tk::qt
