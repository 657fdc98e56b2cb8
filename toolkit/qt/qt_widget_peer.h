#pragma once

#include "toolkit/control.h"
#include "toolkit/peer.h"

#include <QPointer>
#include <QWidget>

namespace tk::qt {

// The peer of a control shown by one widget: keeps the widget's place, enabled and visible state
// in step with the control. The widget belongs to its parent widget.
class QtWidgetPeer : public tk::ControlPeer {
public:
    QtWidgetPeer(tk::Control& control, QWidget* widget);
    ~QtWidgetPeer() override;

    void Sync() override;
    void SetFocus() override;

    // The control a widget shows, found through the widget or its ancestors; null if none.
    static tk::Control* ControlOf(const QWidget* widget);

protected:
    // Shows the settings particular to the kind of control.
    virtual void SyncContent() {}
    tk::Control& control() const { return control_; }
    QWidget* widget() const { return widget_; }

private:
    tk::Control& control_;
    QPointer<QWidget> widget_;
};

} // namespace tk::qt
