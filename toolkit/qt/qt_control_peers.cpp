#include "toolkit/qt/qt_control_peers.h"

#include "toolkit/qt/event_guard.h"
#include "toolkit/qt/font_mapping.h"
#include "toolkit/qt/form_label.h"
#include "toolkit/qt/plain_text_view.h"
#include "toolkit/qt/qt_color.h"
#include "toolkit/qt/text_positions.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QValidator>

#include <cmath>
#include <memory>

namespace tk::qt {

namespace {

void ApplyFont(QWidget* widget, const tk::Font& font) {
    QFont qfont = MapFont(font.name, font.size, font.bold, font.italic);
    qfont.setUnderline(font.underline);
    widget->setFont(qfont);
}

Qt::Alignment AlignmentOf(int code) {
    switch (code) {
    case tk::AlignedTextControl::kCentre:
        return Qt::AlignHCenter;
    case tk::AlignedTextControl::kRight:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

// Whether each button of a group is a stop of the tab key, as in a window whose own keys take the
// arrows, which would otherwise move the choice within the group.
bool EachATabStop(const QButtonGroup* group) {
    return group && group->property(kEachButtonATabStop).toBool();
}

// The buttons of an exclusive group are one stop of the tab key, at the checked one; Qt makes them
// so only once one of them had the focus.
void TabStopAtChecked(const QButtonGroup* group) {
    const QAbstractButton* checked = group ? group->checkedButton() : nullptr;
    if (!checked || !group->exclusive() || EachATabStop(group))
        return;
    for (QAbstractButton* button : group->buttons()) {
        const Qt::FocusPolicy policy = button->focusPolicy();
        button->setFocusPolicy(button == checked ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                 : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// A line edit that can take the tab key as text, and keeps its selection while the menu bar has
// the focus, as while a menu is open: the Edit menu opened from the keyboard acts on it.
class FieldWidget : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    bool acceptTabs = false;

protected:
    void focusOutEvent(QFocusEvent* event) override {
        if (event->reason() != Qt::MenuBarFocusReason) {
            QLineEdit::focusOutEvent(event);
            return;
        }
        QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
        QLineEdit::focusOutEvent(&toMenu);
    }
    bool event(QEvent* event) override {
        if (acceptTabs && event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab) {
            insert(QStringLiteral("\t"));
            return true;
        }
        return QLineEdit::event(event);
    }
};

// Makes the line edit hold what its field holds: one line (see tk::OneLine), and a '?' for half a
// character, which UTF-8 cannot hold. QLineEdit itself keeps the line breaks of a paste or a drop,
// showing each as a space; here each becomes that space. The text keeps its length either way, so
// the cursor stays where the edit left it; the edits before it can no longer be undone, as Qt
// forgets them whenever a validator changes the text.
class OneLineValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*position*/) const override {
        input = FromStd(tk::OneLine(input.toStdString()));
        return Acceptable;
    }
};

class SliderWidget : public QSlider {
public:
    using QSlider::QSlider;

protected:
    void paintEvent(QPaintEvent* event) override {
        QSlider::paintEvent(event);
        if (!hasFocus())
            return;
        QStylePainter painter(this);
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.backgroundColor = palette().color(QPalette::Window);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    }
};

} // namespace

QAbstractSlider* NewSliderWidget(QWidget* parent) {
    return new SliderWidget(parent);
}

// ---- Edit field ----

QtEditFieldPeer::QtEditFieldPeer(tk::EditField& field, QWidget* parent)
    : QtWidgetPeer(field, new FieldWidget(parent)), field_(field) {
    QLineEdit* line = edit();
    line->setValidator(new OneLineValidator(line));
    QObject::connect(line, &QLineEdit::textEdited, line, [this](const QString& text) {
        Guarded([&] { field_.NotifyTextEdited(text.toStdString()); });
    });
    QObject::connect(line, &QLineEdit::selectionChanged, line, [this] { ReportSelection(); });
    QObject::connect(line, &QLineEdit::cursorPositionChanged, line, [this] { ReportSelection(); });
    QObject::connect(qApp, &QApplication::focusChanged, line, [this](QWidget*, QWidget* now) {
        if (now == edit())
            Guarded([&] { field_.NotifyFocusIn(); });
    });
}

QLineEdit* QtEditFieldPeer::edit() const {
    return static_cast<QLineEdit*>(widget());
}

void QtEditFieldPeer::ReportSelection() {
    const QLineEdit* line = edit();
    const QString text = line->text();
    const int start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
    const int first = CodePointPosition(text, start);
    field_.NotifySelection(first, CodePointPosition(text, start + line->selectionLength()) - first);
}

// A new text or length limit puts the widget's cursor at the end, while the field keeps its
// selection.
void QtEditFieldPeer::ApplyContent(tk::Aspect aspect) {
    QLineEdit* line = edit();
    switch (aspect) {
    case tk::Aspect::Font:
        ApplyFont(line, field_.Font());
        break;
    case tk::Aspect::Text:
        if (line->text() != FromStd(field_.Text()))
            line->setText(FromStd(field_.Text()));
        ShowSelection();
        break;
    case tk::Aspect::Selection:
        ShowSelection();
        break;
    case tk::Aspect::Options:
        ApplyOptions();
        ShowSelection();
        break;
    default:
        break;
    }
}

void QtEditFieldPeer::ShowSelection() {
    QLineEdit* line = edit();
    const QString text = line->text();
    const int start = Utf16Position(text, field_.SelStart());
    const int end = Utf16Position(text, field_.SelStart() + field_.SelLength());
    if (end > start)
        line->setSelection(start, end - start);
    else
        line->setCursorPosition(start);
}

// Each setting is given to the widget only when it differs: some, like the length limit, reset
// the selection even when they change nothing.
void QtEditFieldPeer::ApplyOptions() {
    auto* line = static_cast<FieldWidget*>(edit());
    const auto apply = [](auto now, auto wanted, auto set) {
        if (now != wanted)
            set(wanted);
    };
    apply(line->hasFrame(), field_.Border(), [line](bool on) { line->setFrame(on); });
    apply(line->isReadOnly(), field_.ReadOnly(), [line](bool on) { line->setReadOnly(on); });
    apply(line->echoMode(), field_.Password() ? QLineEdit::Password : QLineEdit::Normal,
          [line](QLineEdit::EchoMode mode) { line->setEchoMode(mode); });
    apply(line->maxLength(), field_.LimitText() > 0 ? field_.LimitText() : 32767,
          [line](int limit) { line->setMaxLength(limit); });
    if (line->text() != FromStd(field_.Text())) // a new limit cut the text
        Guarded([&] { field_.NotifyTextEdited(line->text().toStdString()); });
    apply(line->alignment(), AlignmentOf(field_.Alignment()) | Qt::AlignVCenter,
          [line](Qt::Alignment alignment) { line->setAlignment(alignment); });
    line->acceptTabs = field_.AcceptTabs();
    // Only the macOS style draws a focus ring round a field; elsewhere the style marks the focus
    // its own way whatever this says.
    line->setAttribute(Qt::WA_MacShowFocusRect, field_.UseFocusRing());
    // The colours of a field in use; a disabled field keeps the style's greyed look.
    QPalette palette = line->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Text, ToQColor(field_.TextColor()));
        palette.setColor(group, QPalette::Base, ToQColor(field_.BackColor()));
    }
    line->setPalette(palette);
}

// ---- Buttons, texts, group boxes ----

QtPushButtonPeer::QtPushButtonPeer(tk::PushButton& button, QWidget* parent)
    : QtWidgetPeer(button, new QPushButton(parent)), button_(button) {
    auto* push = static_cast<QPushButton*>(widget());
    push->setAutoDefault(false);
    QObject::connect(push, &QPushButton::clicked, push, [this] { Guarded([&] { button_.NotifyAction(); }); });
}

void QtPushButtonPeer::ApplyContent(tk::Aspect aspect) {
    auto* push = static_cast<QPushButton*>(widget());
    switch (aspect) {
    case tk::Aspect::Font:
        ApplyFont(push, button_.Font());
        break;
    case tk::Aspect::Text:
        push->setText(FromStd(button_.Caption()));
        break;
    case tk::Aspect::Options:
        // Qt gives a button a cancel role only inside a dialog, which no window of this toolkit is;
        // Cancel has no effect here.
        push->setDefault(button_.Default());
        break;
    default:
        break;
    }
}

namespace {

// A radio button whose group keeps each of its buttons a stop of the tab key where it says so: Qt
// takes the others out of the tab chain as one of them takes the focus.
class RadioWidget : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QRadioButton::focusInEvent(event);
        if (EachATabStop(group()))
            for (QAbstractButton* button : group()->buttons())
                button->setFocusPolicy(Qt::FocusPolicy(button->focusPolicy() | Qt::TabFocus));
    }
};

} // namespace

QtRadioButtonPeer::QtRadioButtonPeer(tk::RadioButton& button, QWidget* parent, GroupOf groupOf)
    : QtWidgetPeer(button, new RadioWidget(parent)), button_(button), groupOf_(std::move(groupOf)) {
    auto* radio = static_cast<QRadioButton*>(widget());
    QObject::connect(radio, &QRadioButton::clicked, radio,
                     [this] { Guarded([&] { button_.NotifyChosen(); }); });
    QObject::connect(radio, &QRadioButton::toggled, radio, [this](bool on) {
        TabStopAtChecked(group_);
        if (!on)
            button_.NotifyCleared();
    });
}

void QtRadioButtonPeer::ApplyContent(tk::Aspect aspect) {
    auto* radio = static_cast<QRadioButton*>(widget());
    switch (aspect) {
    case tk::Aspect::Font:
        ApplyFont(radio, button_.Font());
        break;
    case tk::Aspect::Text:
        radio->setText(FromStd(button_.Caption()));
        break;
    case tk::Aspect::Parent:
        if (group_)
            group_->removeButton(radio);
        group_ = groupOf_(button_.Parent());
        group_->addButton(radio);
        TabStopAtChecked(group_);
        break;
    case tk::Aspect::Value:
        ApplyValue();
        TabStopAtChecked(group_);
        break;
    default:
        break;
    }
}

// An exclusive group keeps one button checked, so clearing one takes the group's consent.
void QtRadioButtonPeer::ApplyValue() {
    auto* radio = static_cast<QRadioButton*>(widget());
    if (radio->isChecked() == button_.Value())
        return;
    if (button_.Value() || !group_) {
        radio->setChecked(button_.Value());
        return;
    }
    group_->setExclusive(false);
    radio->setChecked(false);
    group_->setExclusive(true);
}

QtGroupBoxPeer::QtGroupBoxPeer(tk::GroupBox& box, QWidget* parent)
    : QtWidgetPeer(box, new QGroupBox(parent)), box_(box) {
    widget()->lower(); // controls placed over the box stay visible
}

void QtGroupBoxPeer::ApplyContent(tk::Aspect aspect) {
    auto* group = static_cast<QGroupBox*>(widget());
    if (aspect == tk::Aspect::Font)
        ApplyFont(group, box_.Font());
    else if (aspect == tk::Aspect::Text)
        group->setTitle(FromStd(box_.Caption()));
}

// The text is shown as it stands, never taken for markup: a user's text may hold "<".
QtStaticTextPeer::QtStaticTextPeer(tk::StaticText& text, QWidget* parent)
    : QtWidgetPeer(text, new FormLabel(parent)), text_(text) {}

// A text whose digits change at each frame, as a clock's or a caption's under a turning phasor,
// takes the glyphs of its form, laid out once.
void QtStaticTextPeer::ApplyContent(tk::Aspect aspect) {
    auto* label = static_cast<FormLabel*>(widget());
    switch (aspect) {
    case tk::Aspect::Font:
        ApplyFont(label, text_.Font());
        break;
    case tk::Aspect::Text:
        label->Show(FromStd(text_.Text()));
        break;
    case tk::Aspect::Options: // centred in its box, a line stands on the baseline of a field beside it
        label->setAlignment(AlignmentOf(text_.Alignment()) | Qt::AlignVCenter);
        label->setWordWrap(text_.WordWrap());
        break;
    default:
        break;
    }
}

// ---- Sliders and scroll bars ----

QtRangePeer::QtRangePeer(tk::RangeControl& range, QAbstractSlider* slider)
    : QtWidgetPeer(range, slider), range_(range) {
    QObject::connect(slider, &QAbstractSlider::valueChanged, slider, [this](int value) {
        if (value != range_.Value())
            Guarded([&] { range_.NotifyValue(value); });
    });
}

QAbstractSlider* QtRangePeer::slider() const {
    return static_cast<QAbstractSlider*>(widget());
}

void QtRangePeer::ApplyContent(tk::Aspect aspect) {
    QAbstractSlider* bar = slider();
    switch (aspect) {
    case tk::Aspect::Geometry: // a control wider than high lies horizontally
        bar->setOrientation(range_.Width() >= range_.Height() ? Qt::Horizontal : Qt::Vertical);
        break;
    case tk::Aspect::Range:
        bar->setRange(range_.Minimum(), range_.Maximum());
        bar->setSingleStep(range_.LineStep());
        bar->setPageStep(range_.PageStep());
        bar->setTracking(range_.LiveScroll());
        [[fallthrough]]; // a new range can move the widget's value, not the control's
    case tk::Aspect::Value:
        if (bar->value() != range_.Value())
            bar->setValue(range_.Value());
        break;
    default:
        break;
    }
}

// ---- HTML viewer ----

QtHTMLViewerPeer::QtHTMLViewerPeer(tk::HTMLViewer& viewer, QWidget* parent)
    : QtWidgetPeer(viewer, new QTextBrowser(parent)), viewer_(viewer) {
    browser()->setOpenLinks(false);
}

QTextBrowser* QtHTMLViewerPeer::browser() const {
    return static_cast<QTextBrowser*>(widget());
}

void QtHTMLViewerPeer::ApplyContent(tk::Aspect aspect) {
    if (aspect != tk::Aspect::Text)
        return;
    const std::string& folder = viewer_.BaseFolder();
    browser()->setSearchPaths(folder.empty() ? QStringList() : QStringList{FromStd(folder)});
    browser()->setHtml(FromStd(viewer_.PageSource()));
}

// The page laid out anew at the viewer's width, which holds before the window first shows, when the
// browser's own layout has not run yet.
int QtHTMLViewerPeer::PageOverflow() const {
    const int frame = 2 * browser()->frameWidth();
    const std::unique_ptr<QTextDocument> page(browser()->document()->clone());
    page->setTextWidth(browser()->width() - frame);
    return int(std::ceil(page->size().height())) + frame - browser()->height();
}

// The page is read-only: cutting, pasting and clearing find nothing they may change.
void QtHTMLViewerPeer::Perform(tk::EditCommand command) {
    if (command == tk::EditCommand::Copy)
        browser()->copy();
    else if (command == tk::EditCommand::SelectAll)
        browser()->selectAll();
}

// ---- Text area ----

QtTextAreaPeer::QtTextAreaPeer(tk::TextArea& area, QWidget* parent)
    : QtWidgetPeer(area, new PlainTextView(parent)), area_(area) {}

PlainTextView* QtTextAreaPeer::view() const {
    return static_cast<PlainTextView*>(widget());
}

void QtTextAreaPeer::ApplyContent(tk::Aspect aspect) {
    if (aspect == tk::Aspect::Font)
        ApplyFont(view(), area_.Font());
    else if (aspect == tk::Aspect::Text)
        view()->SetText(area_.Text());
}

void QtTextAreaPeer::Perform(tk::EditCommand command) {
    if (command == tk::EditCommand::Copy)
        view()->Copy();
    else if (command == tk::EditCommand::SelectAll)
        view()->SelectAll();
}

// ---- Timer ----

QtTimerPeer::QtTimerPeer(tk::Timer& timer) : timer_(timer) {
    qtimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&qtimer_, &QTimer::timeout, &qtimer_, [this] { Guarded([&] { timer_.Fire(); }); });
}

void QtTimerPeer::Apply(tk::Aspect aspect) {
    if (aspect != tk::Aspect::Schedule)
        return;
    if (timer_.Mode() == tk::Timer::kOff) {
        qtimer_.stop();
        return;
    }
    qtimer_.setSingleShot(timer_.Mode() == tk::Timer::kSingle);
    if (!qtimer_.isActive() || qtimer_.interval() != timer_.Period())
        qtimer_.start(timer_.Period());
}

} // namespace tk::qt
