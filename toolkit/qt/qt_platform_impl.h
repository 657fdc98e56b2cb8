#pragma once

#include "toolkit/platform.h"
#include "toolkit/qt/qt_dialogs.h"
#include "toolkit/qt/qt_output.h"
#include "toolkit/qt/qt_platform.h"
#include "toolkit/qt/qt_resource_store.h"
#include "toolkit/qt/qt_settings.h"

#include <QApplication>

namespace tk::qt {

class QtPlatform : public tk::Platform {
public:
    QtPlatform(int& argc, char** argv, const AppIdentity& identity);

    std::unique_ptr<tk::Picture> NewPicture(int width, int height, int depth, int zoom) override;
    std::unique_ptr<tk::Graphics> OpenPrinter(const std::string& pdfPath) override;
    tk::ResourceStore* Resources() override { return &resources_; }
    tk::Dialogs& Dialogs() override { return dialogs_; }
    tk::Output& Output() override { return output_; }
    tk::Settings& Settings() override { return settings_; }
    std::string StateFolder() const override;
    void Realize(tk::Window& window) override;
    int Run() override;
    void Quit(int exitCode) override;
    std::string ShortcutText(const std::string& shortcut) const override;

private:
    QApplication application_;
    QtResourceStore resources_;
    QtDialogs dialogs_;
    QtOutput output_;
    QtSettings settings_;
};

} // namespace tk::qt
