#pragma once

#include "toolkit/platform.h"

namespace bench {

// A platform on which nothing reaches Qt: pictures whose contexts draw nothing and measure every
// character 6 pixels wide and a line 12 high, windows and controls without peers. What a frame
// allocates here is what the project's own code allocates.
class NullPlatform : public tk::Platform {
public:
    std::unique_ptr<tk::Picture> NewPicture(int width, int height, int depth, int zoom) override;
    std::unique_ptr<tk::Graphics> OpenPrinter(const std::string& pdfPath) override;
    tk::ResourceStore* Resources() override { return nullptr; }
    void Realize(tk::Window& /*window*/) override {}
    int Run() override { return 0; }
    void Quit(int /*exitCode*/) override {}
};

} // namespace bench
