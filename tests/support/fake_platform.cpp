#include "tests/support/fake_platform.h"

#include "toolkit/window.h"

namespace fake {

FakePicture::FakePicture(int width, int height, int depth, bool withGraphics, int zoom)
    : width_(width), height_(height), depth_(depth), zoom_(zoom),
      graphics_(withGraphics ? std::make_unique<RecordingGraphics>() : nullptr) {}

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
