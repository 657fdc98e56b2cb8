#include "toolkit/qt/qt_window_peer.h"

#include "toolkit/application.h"
#include "toolkit/buttons.h"
#include "toolkit/canvas.h"
#include "toolkit/edit_field.h"
#include "toolkit/html_viewer.h"
#include "toolkit/menu_item.h"
#include "toolkit/platform.h"
#include "toolkit/qt/event_guard.h"
#include "toolkit/qt/qt_canvas_peer.h"
#include "toolkit/qt/qt_color.h"
#include "toolkit/qt/qt_control_peers.h"
#include "toolkit/qt/qt_menu_bridge.h"
#include "toolkit/qt/qt_status_bar_peer.h"
#include "toolkit/range_control.h"
#include "toolkit/text_area.h"
#include "toolkit/timer.h"
#include "toolkit/window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QWindow>

#include <algorithm>
#include <string>

namespace tk::qt {

namespace {

std::unique_ptr<tk::ControlPeer> MakePeer(tk::Control& control, QWidget* parent,
                                          const QtRadioButtonPeer::GroupOf& radioGroupOf) {
    if (auto* canvas = dynamic_cast<tk::Canvas*>(&control))
        return std::make_unique<QtCanvasPeer>(*canvas, parent);
    if (auto* field = dynamic_cast<tk::EditField*>(&control))
        return std::make_unique<QtEditFieldPeer>(*field, parent);
    if (auto* radio = dynamic_cast<tk::RadioButton*>(&control))
        return std::make_unique<QtRadioButtonPeer>(*radio, parent, radioGroupOf);
    if (auto* push = dynamic_cast<tk::PushButton*>(&control))
        return std::make_unique<QtPushButtonPeer>(*push, parent);
    if (auto* box = dynamic_cast<tk::GroupBox*>(&control))
        return std::make_unique<QtGroupBoxPeer>(*box, parent);
    if (auto* text = dynamic_cast<tk::StaticText*>(&control))
        return std::make_unique<QtStaticTextPeer>(*text, parent);
    if (auto* slider = dynamic_cast<tk::Slider*>(&control))
        return std::make_unique<QtRangePeer>(*slider, NewSliderWidget(parent));
    if (auto* bar = dynamic_cast<tk::ScrollBar*>(&control))
        return std::make_unique<QtRangePeer>(*bar, new QScrollBar(parent));
    if (auto* viewer = dynamic_cast<tk::HTMLViewer*>(&control))
        return std::make_unique<QtHTMLViewerPeer>(*viewer, parent);
    if (auto* area = dynamic_cast<tk::TextArea*>(&control))
        return std::make_unique<QtTextAreaPeer>(*area, parent);
    if (auto* timer = dynamic_cast<tk::Timer*>(&control))
        return std::make_unique<QtTimerPeer>(*timer);
    return nullptr;
}

// Moves and stretches a control locked to window edges by the change of the content size.
void FollowLockedEdges(tk::Control& control, QSize delta) {
    const tk::Control::Locks locks = control.LockedEdges();
    if (!locks.right && !locks.bottom)
        return;
    tk::Rect r = control.Bounds();
    if (locks.right) {
        if (locks.left)
            r.width += delta.width();
        else
            r.x += delta.width();
    }
    if (locks.bottom) {
        if (locks.top)
            r.height += delta.height();
        else
            r.y += delta.height();
    }
    control.SetBounds(r.x, r.y, r.width, r.height);
}

QMargins FrameMargins(const QWidget& window) {
    const QRect inner = window.geometry();
    const QRect outer = window.frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The frame the window manager gives the application's windows, guessed from one that shows.
QMargins ShownFrameMargins(const QWidget& opening) {
    for (const QWidget* shown : QApplication::topLevelWidgets())
        if (shown != &opening && shown->isVisible() && shown->isWindow() && !shown->isFullScreen())
            return FrameMargins(*shown);
    return {};
}

} // namespace

WindowWidget::WindowWidget(tk::Window& window) : window_(window), content_(new QWidget(this)) {
    setCentralWidget(content_);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    bool keep = false;
    Guarded([&] { keep = window_.Event_CancelClose(); });
    if (keep) {
        event->ignore();
        return;
    }
    event->accept();
    Guarded([&] { window_.NotifyClosed(); });
}

void WindowWidget::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const QSize now = content_->size();
    if (laidOutSize_.isValid() && now != laidOutSize_)
        for (tk::Control* control : window_.Controls())
            FollowLockedEdges(*control, now - laidOutSize_);
    laidOutSize_ = now;
    Guarded([&] { window_.NotifyResized(now.width(), now.height()); });
    RememberPlace();
}

void WindowWidget::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    RememberPlace();
}

// Kept as the user moves or resizes the window, so that quitting with it open keeps its place too;
// a maximized or full-screen window keeps the place it had before.
void WindowWidget::RememberPlace() {
    const std::string& key = window_.settings.rememberedPlace;
    if (key.empty() || !isVisible() || isMaximized() || isFullScreen())
        return;
    const QString place = QStringLiteral("%1 %2 %3 %4").arg(x()).arg(y()).arg(width()).arg(height());
    Guarded([&] { tk::ThePlatform().Settings().SetValue(key, place.toStdString()); });
}

bool WindowWidget::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip && innerStatusBar_) {
        innerStatusBar_->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void WindowWidget::ShowMenuBar(bool fullScreen) {
    menuBar()->setVisible(window_.settings.menuBarVisible && !fullScreen);
}

// The window manager may take the window in or out of full screen by its own keys.
void WindowWidget::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || isFullScreen() == window_.FullScreen())
        return;
    ShowMenuBar(isFullScreen());
    window_.NotifyFullScreen(isFullScreen());
}

QtWindowPeer::QtWindowPeer(tk::Window& window) : window_(window), widget_(new WindowWidget(window)) {
    tk::MenuBar* bar = window.MenuBar();
    if (!bar && tk::Application::Current())
        bar = tk::Application::Current()->MenuBar();
    if (bar)
        menuBridge_ = new MenuBridge(*bar, window, widget_->menuBar());
    ApplySettings();
    RealizeControls();
    AddKeyCommands();
    if (tk::StatusBar* statusBar = window.StatusBar())
        RealizeStatusBar(*statusBar);
}

void QtWindowPeer::AddKeyCommands() {
    if (window_.settings.closeKeys)
        for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
            QObject::connect(new QShortcut(keys, widget_), &QShortcut::activated, widget_, &QWidget::close);
    for (const tk::Window::KeyCommand& command : window_.KeyCommands())
        QObject::connect(new QShortcut(ShortcutOf(command.keys), widget_), &QShortcut::activated, widget_,
                         [action = command.action] { Guarded(action); });
}

QtWindowPeer::~QtWindowPeer() {
    // The menus follow the focus, which moves as the widgets go; they need not any more.
    delete menuBridge_.data();
    delete widget_.data();
}

// Qt shows the mark where the title holds "[*]" while the window is modified.
void QtWindowPeer::ApplyTitle() {
    widget_->setWindowTitle(QString::fromStdString(window_.settings.title));
    widget_->setWindowModified(window_.settings.modified);
}

// Qt windows always resize live and always draw through a backing store, so the liveResize and
// composite settings have nothing to change; frame code 0 is a document window with a title bar, and
// placement code 0 is the one of PlaceOnOpening.
void QtWindowPeer::ApplySettings() {
    const tk::WindowSettings& s = window_.settings;
    ApplyTitle();
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (s.closeButton)
        flags |= Qt::WindowCloseButtonHint;
    if (s.minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (s.maximizeButton && s.resizable)
        flags |= Qt::WindowMaximizeButtonHint;
    widget_->setWindowFlags(flags);
    widget_->ShowMenuBar(s.fullScreen);
    if (s.backColor) {
        QPalette palette = widget_->palette();
        palette.setColor(QPalette::Window, ToQColor(*s.backColor));
        widget_->setPalette(palette);
    }
    QWidget* content = widget_->Content();
    if (s.resizable) {
        content->setMinimumSize(s.minWidth, s.minHeight);
        content->setMaximumSize(s.maxWidth, s.maxHeight);
        content->resize(s.width, s.height);
        widget_->resize(s.width, s.height + widget_->menuBar()->sizeHint().height());
    } else {
        content->setFixedSize(s.width, s.height);
        widget_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
}

// Where the window's own keys take the arrows, a radio group's choices are reached with Tab instead.
QButtonGroup* QtWindowPeer::RadioGroupOf(const tk::Control* parent) {
    QButtonGroup*& group = radioGroups_[parent];
    if (!group) {
        group = new QButtonGroup(widget_);
        group->setProperty(kEachButtonATabStop, TakesArrowKeys());
    }
    return group;
}

bool QtWindowPeer::TakesArrowKeys() const {
    return std::any_of(window_.KeyCommands().begin(), window_.KeyCommands().end(), [](const auto& command) {
        const QKeySequence keys = ShortcutOf(command.keys);
        return keys.count() == 1 && (keys[0].key() == Qt::Key_Up || keys[0].key() == Qt::Key_Down ||
                                     keys[0].key() == Qt::Key_Left || keys[0].key() == Qt::Key_Right);
    });
}

void QtWindowPeer::RealizeControls() {
    const QtRadioButtonPeer::GroupOf groupOf = [this](const tk::Control* parent) {
        return RadioGroupOf(parent);
    };
    for (tk::Control* control : window_.Controls())
        if (auto peer = MakePeer(*control, widget_->Content(), groupOf))
            control->AttachPeer(std::move(peer));
}

void QtWindowPeer::Show() {
    if (!widget_)
        return;
    if (!widget_->isVisible())
        PlaceOnOpening();
    if (window_.settings.fullScreen)
        widget_->showFullScreen();
    else
        widget_->show();
    FollowScreens();
    widget_->raise();
    widget_->activateWindow();
}

// The menu bar goes before the window grows, and comes back after it shrank, so that the content
// takes its new size once.
void QtWindowPeer::ApplyFullScreen() {
    if (!widget_ || !widget_->isVisible() || widget_->isFullScreen() == window_.FullScreen())
        return;
    widget_->ShowMenuBar(window_.FullScreen());
    if (window_.FullScreen())
        widget_->showFullScreen();
    else
        widget_->showNormal();
}

void QtWindowPeer::FollowScreens() {
    QWindow* native = widget_->windowHandle();
    if (!native || followingScreens_)
        return;
    followingScreens_ = true;
    QObject::connect(native, &QWindow::screenChanged, widget_,
                     [this](QScreen* screen) { CoverScreen(screen); });
}

// A full-screen window whose screen went away (a projector unplugged) covers the screen it was moved
// to: Qt moves it there without changing its place or size. It enters full screen again from its
// normal place moved onto that screen, where it goes back when it leaves full screen.
void QtWindowPeer::CoverScreen(QScreen* screen) {
    if (!screen || !widget_->isFullScreen() || widget_->geometry() == screen->geometry())
        return;
    const QRect available = screen->availableGeometry();
    const QRect normal = OpeningFrame(available, widget_->normalGeometry().size(), {}, available, true);
    widget_->setWindowState(widget_->windowState() & ~Qt::WindowFullScreen);
    widget_->setGeometry(normal);
    widget_->setWindowState(widget_->windowState() | Qt::WindowFullScreen);
}

// Where it cannot lie wholly on the area, its top left corner does.
QRect OpeningFrame(QRect over, QSize size, QMargins margins, QRect available, bool resizable) {
    if (resizable)
        size = size.boundedTo(available.size().shrunkBy(margins));
    QRect frame = QRect(QPoint(0, 0), size).marginsAdded(margins);
    frame.moveCenter(over.center());
    frame.moveLeft(std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width())));
    frame.moveTop(std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height())));
    return frame;
}

std::optional<QRect> PlaceOnAScreen(const std::optional<std::string>& kept) {
    // So much of the window on a screen that the user can take it by its title bar.
    constexpr int kGrip = 48;
    if (!kept)
        return std::nullopt;
    const QStringList fields = QString::fromStdString(*kept).split(u' ');
    int numbers[4] = {};
    bool read = fields.size() == 4;
    for (qsizetype i = 0; read && i < 4; ++i)
        numbers[i] = fields[i].toInt(&read);
    const QRect place(numbers[0], numbers[1], numbers[2], numbers[3]);
    if (!read || place.isEmpty())
        return std::nullopt;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shown = screen->availableGeometry().intersected(place);
        if (shown.width() >= std::min(kGrip, place.width()) &&
            shown.height() >= std::min(kGrip, place.height()))
            return place;
    }
    return std::nullopt;
}

QRect BesideFrame(QRect front, QSize size, QMargins margins, QRect available, bool resizable) {
    const QSize frame = size.grownBy(margins);
    const QRect right(front.topRight() + QPoint(1, 0), frame);
    if (available.contains(right))
        return right;
    if (const QRect below(front.bottomLeft() + QPoint(0, 1), frame); available.contains(below))
        return below;
    // Moved onto the screen from the right, it covers the front window's right side (the main
    // window's controls) and leaves its left (the plots) in view, which a cascade would hide.
    return OpeningFrame(right, size, margins, available, resizable);
}

// A window that opens while another of the application's is in front opens centred over that one,
// as a dialog over its parent, or beside it, or where the user left it last; the first one is placed
// by the window manager, and only its size is fitted here. The window manager frames a window only as it
// shows: the front one's frame is the guess.
void QtWindowPeer::PlaceOnOpening() {
    const std::string& key = window_.settings.rememberedPlace;
    if (const auto place =
            PlaceOnAScreen(key.empty() ? std::nullopt : tk::ThePlatform().Settings().Value(key))) {
        widget_->resize(place->size());
        widget_->move(place->topLeft());
        return;
    }
    QWidget* front = QApplication::activeWindow();
    if (front == widget_)
        front = nullptr;
    const QScreen* screen = front ? front->screen() : widget_->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QMargins margins = front ? FrameMargins(*front) : QMargins();
    if (window_.settings.fitPage)
        FitPage(available, front ? margins : ShownFrameMargins(*widget_));
    const bool beside = front && window_.settings.placement == tk::kPlaceBeside;
    const QRect frame = beside ? BesideFrame(front->frameGeometry(), widget_->size(), margins, available,
                                             window_.settings.resizable)
                               : OpeningFrame(front ? front->frameGeometry() : available, widget_->size(),
                                              margins, available, window_.settings.resizable);
    widget_->resize(frame.size().shrunkBy(margins));
    if (front)
        widget_->move(frame.topLeft());
}

// The window's content and its page viewer grow or shrink together, before the window first shows:
// the controls follow their locked edges only once it shows.
void QtWindowPeer::FitPage(const QRect& available, const QMargins& margins) {
    for (tk::Control* control : window_.Controls()) {
        const auto* viewer = dynamic_cast<const QtHTMLViewerPeer*>(control->Peer());
        if (!viewer)
            continue;
        tk::WindowSettings& s = window_.settings;
        const int bars = widget_->height() - widget_->Content()->height();
        const int room = available.height() - margins.top() - margins.bottom() - bars;
        const int grow = std::min(viewer->PageOverflow(), room - s.height);
        const tk::Rect r = control->Bounds();
        control->SetBounds(r.x, r.y, r.width, r.height + grow);
        s.height += grow;
        widget_->Content()->resize(s.width, s.height);
        widget_->resize(widget_->width(), s.height + bars);
        return;
    }
}

void QtWindowPeer::UpdateMenus() {
    MenuBridge::UpdateAllEnabled();
}

// A bar without a place goes below the content, which keeps its size: a window of fixed size grows
// by the bar's height, and only a resizable one has a size grip. A bar with one lies in the content.
void QtWindowPeer::RealizeStatusBar(tk::StatusBar& bar) {
    QStatusBar* shown = nullptr;
    if (bar.Width() > 0) {
        shown = new QStatusBar(widget_->Content());
        shown->setSizeGripEnabled(false);
        shown->setGeometry(bar.Left(), bar.Top(), bar.Width(), bar.Height());
        shown->show();
        widget_->SetInnerStatusBar(shown);
    } else {
        shown = widget_->statusBar();
        shown->setSizeGripEnabled(window_.settings.resizable);
    }
    bar.AttachPeer(std::make_unique<QtStatusBarPeer>(bar, shown));
}

void QtWindowPeer::Close() {
    if (widget_)
        widget_->close();
}

} // namespace tk::qt
