#include "toolkit/qt/qt_control_peers.h"

#include "toolkit/qt/event_guard.h"
#include "toolkit/qt/font_mapping.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTextBrowser>

namespace tk::qt {

namespace {

QFont FontOf(const tk::Font& font) {
    return MapFont(font.name, font.size, font.bold, font.italic);
}

Qt::Alignment AlignmentOf(int code) {
    switch (code) {
    case 1:
        return Qt::AlignHCenter;
    case 2:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

// ---- Edit field ----

QtEditFieldPeer::QtEditFieldPeer(tk::EditField& field, QWidget* parent)
    : QtWidgetPeer(field, new QLineEdit(parent)), field_(field) {
    QLineEdit* line = edit();
    QObject::connect(line, &QLineEdit::textEdited, line, [this](const QString& text) {
        Guarded([&] { field_.NotifyTextEdited(text.toStdString()); });
    });
    QObject::connect(line, &QLineEdit::selectionChanged, line, [this] {
        QLineEdit* l = edit();
        const int start = l->hasSelectedText() ? l->selectionStart() : l->cursorPosition();
        field_.NotifySelection(start, int(l->selectedText().size()));
    });
    QObject::connect(line, &QLineEdit::cursorPositionChanged, line, [this](int, int position) {
        if (!edit()->hasSelectedText())
            field_.NotifySelection(position, 0);
    });
    QObject::connect(qApp, &QApplication::focusChanged, line, [this](QWidget*, QWidget* now) {
        if (now == edit())
            Guarded([&] { field_.NotifyFocusIn(); });
    });
}

QLineEdit* QtEditFieldPeer::edit() const {
    return static_cast<QLineEdit*>(widget());
}

void QtEditFieldPeer::SyncContent() {
    QLineEdit* line = edit();
    const QString text = FromStd(field_.Text());
    if (line->text() != text)
        line->setText(text);
    line->setFont(FontOf(field_.font));
    line->setFrame(field_.Border);
    line->setReadOnly(field_.ReadOnly);
    line->setEchoMode(field_.Password ? QLineEdit::Password : QLineEdit::Normal);
    line->setMaxLength(field_.LimitText > 0 ? field_.LimitText : 32767);
    line->setAlignment(AlignmentOf(field_.Alignment) | Qt::AlignVCenter);
    line->setSelection(field_.SelStart(), field_.SelLength());
}

// ---- Buttons, texts, group boxes ----

QtPushButtonPeer::QtPushButtonPeer(tk::PushButton& button, QWidget* parent)
    : QtWidgetPeer(button, new QPushButton(parent)), button_(button) {
    auto* push = static_cast<QPushButton*>(widget());
    QObject::connect(push, &QPushButton::clicked, push, [this] { Guarded([&] { button_.NotifyAction(); }); });
}

void QtPushButtonPeer::SyncContent() {
    auto* push = static_cast<QPushButton*>(widget());
    push->setText(FromStd(button_.Caption()));
    push->setFont(FontOf(button_.font));
    push->setDefault(button_.Default);
    push->setAutoDefault(false);
}

QtRadioButtonPeer::QtRadioButtonPeer(tk::RadioButton& button, QWidget* parent, QButtonGroup* group)
    : QtWidgetPeer(button, new QRadioButton(parent)), button_(button) {
    auto* radio = static_cast<QRadioButton*>(widget());
    group->addButton(radio);
    QObject::connect(radio, &QRadioButton::clicked, radio,
                     [this] { Guarded([&] { button_.NotifyChosen(); }); });
    QObject::connect(radio, &QRadioButton::toggled, radio, [this](bool on) {
        if (!on && button_.Value())
            button_.SetValue(false);
    });
}

void QtRadioButtonPeer::SyncContent() {
    auto* radio = static_cast<QRadioButton*>(widget());
    radio->setText(FromStd(button_.Caption()));
    radio->setFont(FontOf(button_.font));
    if (radio->isChecked() != button_.Value() && button_.Value())
        radio->setChecked(true);
}

QtGroupBoxPeer::QtGroupBoxPeer(tk::GroupBox& box, QWidget* parent)
    : QtWidgetPeer(box, new QGroupBox(parent)), box_(box) {}

void QtGroupBoxPeer::SyncContent() {
    auto* group = static_cast<QGroupBox*>(widget());
    group->setTitle(FromStd(box_.Caption()));
    group->setFont(FontOf(box_.font));
    group->lower(); // controls placed over the box stay visible
}

QtStaticTextPeer::QtStaticTextPeer(tk::StaticText& text, QWidget* parent)
    : QtWidgetPeer(text, new QLabel(parent)), text_(text) {}

void QtStaticTextPeer::SyncContent() {
    auto* label = static_cast<QLabel*>(widget());
    label->setText(FromStd(text_.Text()));
    label->setFont(FontOf(text_.font));
    label->setAlignment(AlignmentOf(text_.Alignment) | Qt::AlignTop);
}

// ---- Sliders and scroll bars ----

QtRangePeer::QtRangePeer(tk::RangeControl& range, QWidget* parent, bool isSlider)
    : QtWidgetPeer(range, isSlider ? static_cast<QAbstractSlider*>(new QSlider(parent))
                                   : static_cast<QAbstractSlider*>(new QScrollBar(parent))),
      range_(range) {
    auto* slider = static_cast<QAbstractSlider*>(widget());
    QObject::connect(slider, &QAbstractSlider::valueChanged, slider, [this](int value) {
        if (value != range_.Value())
            Guarded([&] { range_.NotifyValue(value); });
    });
}

void QtRangePeer::SyncContent() {
    auto* slider = static_cast<QAbstractSlider*>(widget());
    const tk::Rect r = range_.Bounds();
    slider->setOrientation(r.width >= r.height ? Qt::Horizontal : Qt::Vertical);
    slider->setRange(range_.Minimum(), range_.Maximum());
    slider->setSingleStep(range_.LineStep());
    slider->setPageStep(range_.PageStep());
    slider->setTracking(range_.LiveScroll);
    if (slider->value() != range_.Value())
        slider->setValue(range_.Value());
}

// ---- HTML viewer ----

QtHTMLViewerPeer::QtHTMLViewerPeer(tk::HTMLViewer& viewer, QWidget* parent)
    : QtWidgetPeer(viewer, new QTextBrowser(parent)), viewer_(viewer) {
    browser()->setOpenExternalLinks(false);
}

QTextBrowser* QtHTMLViewerPeer::browser() const {
    return static_cast<QTextBrowser*>(widget());
}

void QtHTMLViewerPeer::SyncContent() {
    if (shownSource_ != viewer_.PageSource()) {
        shownSource_ = viewer_.PageSource();
        browser()->setHtml(FromStd(shownSource_));
    }
}

void QtHTMLViewerPeer::Perform(tk::EditCommand command) {
    if (!widget())
        return;
    switch (command) {
    case tk::EditCommand::Copy:
        browser()->copy();
        break;
    case tk::EditCommand::SelectAll:
        browser()->selectAll();
        break;
    default:
        break; // the page is read-only
    }
}

// ---- Timer ----

QtTimerPeer::QtTimerPeer(tk::Timer& timer) : timer_(timer) {
    QObject::connect(&qtimer_, &QTimer::timeout, &qtimer_, [this] { Guarded([&] { timer_.Fire(); }); });
}

void QtTimerPeer::Sync() {
    if (timer_.Mode() == tk::Timer::kOff) {
        qtimer_.stop();
        return;
    }
    qtimer_.setTimerType(Qt::PreciseTimer);
    qtimer_.setSingleShot(timer_.Mode() == tk::Timer::kSingle);
    if (!qtimer_.isActive() || qtimer_.interval() != timer_.Period())
        qtimer_.start(timer_.Period());
}

} // namespace tk::qt
