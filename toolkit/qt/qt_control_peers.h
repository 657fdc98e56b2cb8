#pragma once

#include "toolkit/buttons.h"
#include "toolkit/edit_field.h"
#include "toolkit/html_viewer.h"
#include "toolkit/qt/qt_widget_peer.h"
#include "toolkit/range_control.h"
#include "toolkit/text_area.h"
#include "toolkit/timer.h"

#include <QTimer>

#include <functional>
#include <string>
#include <vector>

class QAbstractSlider;
class QButtonGroup;
class QLineEdit;
class QTextBrowser;

namespace tk::qt {

class QtEditFieldPeer : public QtWidgetPeer {
public:
    QtEditFieldPeer(tk::EditField& field, QWidget* parent);

protected:
    void ApplyContent(tk::Aspect aspect) override;

private:
    void ApplyOptions();
    void ShowSelection();
    void ReportSelection();
    QLineEdit* edit() const;
    tk::EditField& field_;
};

class QtPushButtonPeer : public QtWidgetPeer {
public:
    QtPushButtonPeer(tk::PushButton& button, QWidget* parent);

protected:
    void ApplyContent(tk::Aspect aspect) override;

private:
    tk::PushButton& button_;
};

// Radio buttons with one parent share the QButtonGroup that makes them exclusive; `groupOf` gives
// the group of a parent.
// The property of a radio group (a QButtonGroup) that makes each of its buttons a stop of the tab key.
inline constexpr const char* kEachButtonATabStop = "eachButtonATabStop";

class QtRadioButtonPeer : public QtWidgetPeer {
public:
    using GroupOf = std::function<QButtonGroup*(const tk::Control* parent)>;
    QtRadioButtonPeer(tk::RadioButton& button, QWidget* parent, GroupOf groupOf);

protected:
    void ApplyContent(tk::Aspect aspect) override;

private:
    void ApplyValue();
    tk::RadioButton& button_;
    GroupOf groupOf_;
    QButtonGroup* group_ = nullptr;
};

class QtGroupBoxPeer : public QtWidgetPeer {
public:
    QtGroupBoxPeer(tk::GroupBox& box, QWidget* parent);

protected:
    void ApplyContent(tk::Aspect aspect) override;

private:
    tk::GroupBox& box_;
};

class QtStaticTextPeer : public QtWidgetPeer {
public:
    QtStaticTextPeer(tk::StaticText& text, QWidget* parent);

protected:
    void ApplyContent(tk::Aspect aspect) override;

private:
    tk::StaticText& text_;
};

// The widget of a slider: one that frames itself while it has the keyboard focus, as a radio button
// frames its caption, since the style's own mark, the groove's outline in another colour, is hard
// to see from the back of a classroom.
QAbstractSlider* NewSliderWidget(QWidget* parent);

// Sliders and scroll bars.
class QtRangePeer : public QtWidgetPeer {
public:
    QtRangePeer(tk::RangeControl& range, QAbstractSlider* slider);

protected:
    void ApplyContent(tk::Aspect aspect) override;

private:
    QAbstractSlider* slider() const;
    tk::RangeControl& range_;
};

class QtHTMLViewerPeer : public QtWidgetPeer {
public:
    QtHTMLViewerPeer(tk::HTMLViewer& viewer, QWidget* parent);
    void Perform(tk::EditCommand command) override;
    // How much taller the viewer would have to be to show its whole page without scrolling.
    int PageOverflow() const;

protected:
    void ApplyContent(tk::Aspect aspect) override;

private:
    QTextBrowser* browser() const;
    tk::HTMLViewer& viewer_;
};

class PlainTextView;

// Read-only lines of text, which the user can select with the mouse and the keyboard and copy.
class QtTextAreaPeer : public QtWidgetPeer {
public:
    QtTextAreaPeer(tk::TextArea& area, QWidget* parent);
    void Perform(tk::EditCommand command) override;

protected:
    void ApplyContent(tk::Aspect aspect) override;

private:
    PlainTextView* view() const;
    tk::TextArea& area_;
};

// A timer has no widget: a precise QTimer fires it, so frames come at their period, not rounded to
// the coarse 5 % that Qt allows itself by default.
class QtTimerPeer : public tk::ControlPeer {
public:
    explicit QtTimerPeer(tk::Timer& timer);
    void Apply(tk::Aspect aspect) override;

private:
    tk::Timer& timer_;
    QTimer qtimer_;
};

} // namespace tk::qt
