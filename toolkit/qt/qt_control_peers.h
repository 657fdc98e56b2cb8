#pragma once

#include "toolkit/buttons.h"
#include "toolkit/edit_field.h"
#include "toolkit/html_viewer.h"
#include "toolkit/qt/qt_widget_peer.h"
#include "toolkit/range_control.h"
#include "toolkit/timer.h"

#include <QButtonGroup>
#include <QTimer>

#include <memory>

class QLineEdit;
class QTextBrowser;

namespace tk::qt {

class QtEditFieldPeer : public QtWidgetPeer {
public:
    QtEditFieldPeer(tk::EditField& field, QWidget* parent);

protected:
    void SyncContent() override;

private:
    QLineEdit* edit() const;
    tk::EditField& field_;
};

class QtPushButtonPeer : public QtWidgetPeer {
public:
    QtPushButtonPeer(tk::PushButton& button, QWidget* parent);

protected:
    void SyncContent() override;

private:
    tk::PushButton& button_;
};

// Radio buttons of one parent share the QButtonGroup that makes them exclusive.
class QtRadioButtonPeer : public QtWidgetPeer {
public:
    QtRadioButtonPeer(tk::RadioButton& button, QWidget* parent, QButtonGroup* group);

protected:
    void SyncContent() override;

private:
    tk::RadioButton& button_;
};

class QtGroupBoxPeer : public QtWidgetPeer {
public:
    QtGroupBoxPeer(tk::GroupBox& box, QWidget* parent);

protected:
    void SyncContent() override;

private:
    tk::GroupBox& box_;
};

class QtStaticTextPeer : public QtWidgetPeer {
public:
    QtStaticTextPeer(tk::StaticText& text, QWidget* parent);

protected:
    void SyncContent() override;

private:
    tk::StaticText& text_;
};

// Sliders and scroll bars.
class QtRangePeer : public QtWidgetPeer {
public:
    QtRangePeer(tk::RangeControl& range, QWidget* parent, bool isSlider);

protected:
    void SyncContent() override;

private:
    tk::RangeControl& range_;
};

class QtHTMLViewerPeer : public QtWidgetPeer {
public:
    QtHTMLViewerPeer(tk::HTMLViewer& viewer, QWidget* parent);
    void Perform(tk::EditCommand command) override;

protected:
    void SyncContent() override;

private:
    QTextBrowser* browser() const;
    tk::HTMLViewer& viewer_;
    std::string shownSource_;
};

// A timer has no widget: a QTimer fires it.
class QtTimerPeer : public tk::ControlPeer {
public:
    explicit QtTimerPeer(tk::Timer& timer);
    void Sync() override;

private:
    tk::Timer& timer_;
    QTimer qtimer_;
};

} // namespace tk::qt
