#include "tests/support/fake_platform.h"

#include "toolkit/window.h"

#include <algorithm>

namespace fake {

FakePicture::FakePicture(int width, int height, int depth, bool withGraphics, int zoom)
    : width_(width), height_(height), depth_(depth), zoom_(zoom),
      graphics_(withGraphics ? std::make_unique<RecordingGraphics>() : nullptr) {}

void FakePicture::WriteRow(int row, std::span<const tk::Color> colors) {
    if (row < 0 || row >= PixelHeight())
        return;
    if (pixels_.empty())
        pixels_.assign(static_cast<std::size_t>(PixelWidth()) * PixelHeight(), tk::kWhite);
    const std::size_t count = std::min(colors.size(), static_cast<std::size_t>(PixelWidth()));
    std::copy_n(colors.begin(), count, pixels_.begin() + static_cast<std::ptrdiff_t>(row) * PixelWidth());
}

tk::Color FakePicture::KeptPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= PixelWidth() || y >= PixelHeight())
        return tk::kBlack;
    return pixels_.empty() ? tk::kWhite : pixels_[static_cast<std::size_t>(y) * PixelWidth() + x];
}

tk::Color FakePicture::Pixel(int x, int y) const {
    return KeptPixel(x * zoom_, y * zoom_);
}

void FakeCanvasPeer::Refresh(bool /*eraseBackground*/) {
    ++refreshes;
}

std::unique_ptr<tk::Graphics> FakeCanvasPeer::ScreenGraphics() {
    return std::make_unique<RecordingGraphics>(screen_);
}

std::string FakeResources::GetResource(const std::string& type, int id) {
    ++reads;
    auto it = texts.find({type, id});
    return it == texts.end() ? std::string() : it->second;
}

std::unique_ptr<tk::Picture> FakePlatform::NewPicture(int width, int height, int depth, int zoom) {
    if (failPictures)
        return nullptr;
    auto picture = std::make_unique<FakePicture>(width, height, depth, !picturesWithoutGraphics, zoom);
    lastPicture = picture.get();
    return picture;
}

void FakePlatform::Realize(tk::Window& window) {
    for (tk::Control* control : window.Controls())
        if (dynamic_cast<tk::Canvas*>(control))
            control->AttachPeer(std::make_unique<FakeCanvasPeer>());
}

} // namespace fake
