#include "toolkit/qt/qt_status_bar_peer.h"

#include "toolkit/qt/form_label.h"

#include <QLabel>
#include <QStatusBar>

namespace tk::qt {

namespace {

// Room between the texts, in logical pixels: the parts are read apart at a glance.
constexpr int kMessageIndent = 4;
constexpr int kPartGap = 12;
// How long a notice stays: long enough to read a file's name.
constexpr int kNoticeMilliseconds = 5000;

} // namespace

QtStatusBarPeer::QtStatusBarPeer(tk::StatusBar& bar, QStatusBar* widget)
    : QtWidgetPeer(bar, widget), bar_(bar), message_(new QLabel(widget)) {
    message_->setContentsMargins(kMessageIndent, 0, 0, 0);
    widget->addWidget(message_, 1);
    QObject::connect(widget, &QStatusBar::messageChanged, message_, [this] { Describe(); });
}

QStatusBar* QtStatusBarPeer::statusBar() const {
    return static_cast<QStatusBar*>(widget());
}

void QtStatusBarPeer::Apply(tk::Aspect aspect) {
    if (aspect == tk::Aspect::Geometry || aspect == tk::Aspect::Parent)
        return;
    QtWidgetPeer::Apply(aspect);
}

void QtStatusBarPeer::ApplyContent(tk::Aspect aspect) {
    if (aspect == tk::Aspect::Text)
        ShowTexts();
    if (aspect == tk::Aspect::Text || aspect == tk::Aspect::Accessibility)
        Describe();
}

// The description is the whole line as it shows, whatever description the control holds: a
// passing message (a notice, a menu item's hint) in place of the message while it shows.
void QtStatusBarPeer::Describe() {
    const QString passing = statusBar()->currentMessage();
    if (passing.isEmpty()) {
        statusBar()->setAccessibleDescription(QString::fromStdString(bar_.Line()));
        return;
    }
    const std::string line = tk::StatusBar::LineOf({passing.toStdString(), bar_.Parts()});
    statusBar()->setAccessibleDescription(QString::fromStdString(line));
}

// A part is shown at a fixed size, which only grows: the bar need not lay itself out again for each
// new text of a frame, and stepping to and fro across a change in the number of digits does not
// shift the parts before it. The parts measure and draw a frame's new text without laying it out.
void QtStatusBarPeer::ShowTexts() {
    message_->setText(QString::fromStdString(bar_.Message()));
    if (bar_.Notices() != notices_) {
        notices_ = bar_.Notices();
        statusBar()->showMessage(QString::fromStdString(bar_.Notice()), kNoticeMilliseconds);
    }
    const std::vector<std::string>& texts = bar_.Parts();
    while (parts_.size() < texts.size()) {
        parts_.push_back(new FormLabel(statusBar()));
        parts_.back()->setContentsMargins(kPartGap, 0, kMessageIndent, 0);
        statusBar()->addPermanentWidget(parts_.back());
    }
    // Whether a part is shown is asked of the part list, not of the label: before the window first
    // shows, no label is visible, and the texts written then must still be there when it does.
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        FormLabel* part = parts_[i];
        const bool shown = i < texts.size();
        part->setVisible(shown);
        const QString text = shown ? QString::fromStdString(texts[i]) : QString();
        if (!shown || part->text() == text)
            continue;
        part->Show(text);
        const QSize wanted = part->Wanted().expandedTo(part->minimumSize());
        if (wanted != part->minimumSize())
            part->setFixedSize(wanted);
    }
}

} // namespace tk::qt
