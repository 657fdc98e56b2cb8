#include "bench/null_platform.h"

#include "toolkit/picture.h"

namespace bench {

namespace {

class NullGraphics : public tk::Graphics {
public:
    void DrawLine(int /*x1*/, int /*y1*/, int /*x2*/, int /*y2*/) override {}
    void ClearRect(int /*x*/, int /*y*/, int /*width*/, int /*height*/) override {}
    void DrawRect(int /*x*/, int /*y*/, int /*width*/, int /*height*/) override {}
    void FillRect(int /*x*/, int /*y*/, int /*width*/, int /*height*/) override {}
    void DrawOval(int /*x*/, int /*y*/, int /*width*/, int /*height*/) override {}
    void FillOval(int /*x*/, int /*y*/, int /*width*/, int /*height*/) override {}
    void DrawPolygon(const std::vector<tk::Point>& /*vertices*/) override {}
    void FillPolygon(const std::vector<tk::Point>& /*vertices*/) override {}
    void DrawString(std::string_view /*text*/, int /*x*/, int /*baseline*/) override {}
    double StringWidth(std::string_view text) override { return 6.0 * double(text.size()); }
    int TextHeight() override { return 12; }
    void DrawPicture(const tk::Picture& /*picture*/, tk::Rect /*destination*/, tk::Rect /*source*/) override {
    }
};

class NullPicture : public tk::Picture {
public:
    NullPicture(int width, int height, int depth) : width_(width), height_(height), depth_(depth) {}
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    int Depth() const override { return depth_; }
    tk::Graphics* Graphics() override { return &graphics_; }

private:
    int width_;
    int height_;
    int depth_;
    NullGraphics graphics_;
};

} // namespace

std::unique_ptr<tk::Picture> NullPlatform::NewPicture(int width, int height, int depth, int /*zoom*/) {
    return std::make_unique<NullPicture>(width, height, depth);
}

std::unique_ptr<tk::Graphics> NullPlatform::OpenPrinter(const std::string& /*pdfPath*/) {
    return std::make_unique<NullGraphics>();
}

} // namespace bench
