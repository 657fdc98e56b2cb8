#pragma once

#include "tests/support/fake_output.h"
#include "tests/support/recording_graphics.h"
#include "toolkit/canvas.h"
#include "toolkit/platform.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fake {

// A picture whose drawing context records.
class FakePicture : public tk::Picture {
public:
    FakePicture(int width, int height, int depth, bool withGraphics, int zoom = 1);
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    int Depth() const override { return depth_; }
    tk::Graphics* Graphics() override { return graphics_.get(); }
    RecordingGraphics* Recorder() { return graphics_.get(); }
    int Zoom() const { return zoom_; }
    // Kept pixels as the picture's zoom makes them, white until written; Pixel reads them in
    // logical pixels, at the top left kept pixel of each.
    int PixelWidth() const override { return width_ * zoom_; }
    int PixelHeight() const override { return height_ * zoom_; }
    void WriteRow(int row, std::span<const tk::Color> colors) override;
    tk::Color Pixel(int x, int y) const override;
    tk::Color KeptPixel(int x, int y) const;

private:
    int width_, height_, depth_, zoom_;
    std::vector<tk::Color> pixels_; // made at the first write
    std::unique_ptr<RecordingGraphics> graphics_;
};

// Stands for a canvas on the screen: what is drawn on it at once lands in `screen`.
class FakeCanvasPeer : public tk::ControlPeer {
public:
    explicit FakeCanvasPeer(std::shared_ptr<CallLog> screen = std::make_shared<CallLog>())
        : screen_(std::move(screen)) {}
    void Refresh(bool eraseBackground) override;
    std::unique_ptr<tk::Graphics> ScreenGraphics() override;

    int refreshes = 0;

private:
    std::shared_ptr<CallLog> screen_;
};

class FakeResources : public tk::ResourceStore {
public:
    std::string GetResource(const std::string& type, int id) override;
    std::map<std::pair<std::string, int>, std::string> texts;
    int reads = 0;
};

// A platform with no screen: pictures record, canvases get FakeCanvasPeers, Run returns at once.
class FakePlatform : public tk::Platform {
public:
    std::unique_ptr<tk::Picture> NewPicture(int width, int height, int depth, int zoom) override;
    std::unique_ptr<tk::Graphics> OpenPrinter(const std::string& /*pdfPath*/) override {
        return std::make_unique<RecordingGraphics>();
    }
    tk::ResourceStore* Resources() override { return hasResources ? &resources : nullptr; }
    tk::Dialogs& Dialogs() override { return dialogs; }
    tk::Output& Output() override { return output; }
    tk::Settings& Settings() override { return settings; }
    void Realize(tk::Window& window) override;
    int Run() override { return 0; }
    void Quit(int /*exitCode*/) override {}

    // Settings a test may change.
    bool failPictures = false;            // NewPicture yields nothing
    bool picturesWithoutGraphics = false; // pictures come without a drawing context
    bool hasResources = true;

    // The user's answers, and what happened.
    FakeDialogs dialogs;
    FakeOutput output;
    tk::SessionSettings settings; // empty for each platform
    FakeResources resources;
    FakePicture* lastPicture = nullptr;
};

// Installs a FakePlatform for the lifetime of the object, then puts back the one it replaced.
class ScopedFakePlatform {
public:
    ScopedFakePlatform() : replaced_(tk::SetPlatform(&platform)) {}
    ~ScopedFakePlatform() { tk::SetPlatform(replaced_); }
    ScopedFakePlatform(const ScopedFakePlatform&) = delete;
    ScopedFakePlatform& operator=(const ScopedFakePlatform&) = delete;
    FakePlatform platform;

private:
    tk::Platform* replaced_;
};

} // namespace fake
