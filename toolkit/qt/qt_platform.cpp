#include "toolkit/qt/qt_platform.h"

#include "toolkit/qt/focus_frame_style.h"

#include "toolkit/qt/qt_menu_bridge.h"
#include "toolkit/qt/qt_picture.h"
#include "toolkit/qt/qt_platform_impl.h"
#include "toolkit/qt/qt_printer_graphics.h"
#include "toolkit/qt/qt_translations.h"
#include "toolkit/qt/qt_window_peer.h"
#include "toolkit/window.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QIcon>
#include <QLocale>

#include <cstdlib>

namespace tk::qt {

namespace {

bool Named(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

QIcon IconIn(const QString& folder) {
    QIcon icon;
    QDirIterator images(folder, QDir::Files, QDirIterator::Subdirectories);
    while (images.hasNext())
        icon.addFile(images.next());
    return icon;
}

// Set before any window exists, so that every window carries the name and the icon.
void Identify(const AppIdentity& identity) {
    if (!identity.name.empty()) {
        QGuiApplication::setApplicationName(QString::fromStdString(identity.name));
        QGuiApplication::setApplicationDisplayName(QString::fromStdString(identity.name));
    }
    if (!identity.desktopFileName.empty())
        QGuiApplication::setDesktopFileName(QString::fromStdString(identity.desktopFileName));
    if (!identity.iconFolder.empty())
        QApplication::setWindowIcon(IconIn(QString::fromStdString(identity.iconFolder)));
}

// Qt draws text larger than 64 device pixels as paths, shaped anew each time. The presentation view
// writes its clock and captions at every frame in 1/27 of the screen's height: 80 pixels on 2160
// lines, 160 at twice the density. Their glyphs are kept as for smaller text, unless the user says
// otherwise (Qt reads the setting at the first text it draws).
constexpr const char* kLargestCachedGlyph = "160";

} // namespace

bool DisplayAvailable() {
    return Named("QT_QPA_PLATFORM") || Named("DISPLAY") || Named("WAYLAND_DISPLAY");
}

std::unique_ptr<tk::Platform> MakeQtPlatform(int& argc, char** argv, const AppIdentity& identity) {
    return std::make_unique<QtPlatform>(argc, argv, identity);
}

QtPlatform::QtPlatform(int& argc, char** argv, const AppIdentity& identity) : application_(argc, argv) {
    if (!qEnvironmentVariableIsSet("QT_MAX_CACHED_GLYPH_SIZE"))
        qputenv("QT_MAX_CACHED_GLYPH_SIZE", kLargestCachedGlyph);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new FocusFrameStyle); // the application owns it
    Identify(identity);
    InstallTranslations(QLocale());
}

std::unique_ptr<tk::Picture> QtPlatform::NewPicture(int width, int height, int depth, int zoom) {
    if (width <= 0 || height <= 0 || zoom < 1)
        return nullptr;
    auto picture = std::make_unique<QtPicture>(width, height, depth, ScreenRatio() * zoom);
    if (!picture->IsValid())
        return nullptr;
    return picture;
}

std::unique_ptr<tk::Graphics> QtPlatform::OpenPrinter(const std::string& pdfPath) {
    auto printer = std::make_unique<QtPrinterGraphics>(pdfPath);
    if (!printer->IsActive())
        return nullptr;
    return printer;
}

void QtPlatform::Realize(tk::Window& window) {
    window.AttachPeer(std::make_unique<QtWindowPeer>(window));
}

int QtPlatform::Run() {
    return QApplication::exec();
}

void QtPlatform::Quit(int exitCode) {
    QApplication::exit(exitCode);
}

// The desktop's folder for the state of programs, as the XDG base directories name it, and the
// application's own folder in it.
std::string QtPlatform::StateFolder() const {
    const std::string base = Named("XDG_STATE_HOME") ? std::getenv("XDG_STATE_HOME")
                             : Named("HOME")         ? std::string(std::getenv("HOME")) + "/.local/state"
                                                     : std::string();
    return base.empty() ? base : base + "/" + QGuiApplication::applicationName().toLower().toStdString();
}

std::string QtPlatform::ShortcutText(const std::string& shortcut) const {
    return ShortcutOf(shortcut).toString(QKeySequence::NativeText).toStdString();
}

} // namespace tk::qt
