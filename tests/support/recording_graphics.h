#pragma once

#include "toolkit/graphics.h"

#include <memory>
#include <string>
#include <vector>

namespace fake {

// One drawing call with the style that was in force when it was made.
struct DrawCall {
    std::string op; // "DrawLine", "FillRect", "DrawString", "DrawPicture", ...
    std::vector<int> args;
    std::string text; // DrawString only
    tk::Color color = 0;
    std::string font;
    int size = 0;
    bool bold = false;
    bool italic = false;
    int pen = 1;

    // "DrawLine 1 2 3 4", "DrawString 'ab' 10 20": the op and its arguments, without the style.
    std::string ToString() const;
};

using CallLog = std::vector<DrawCall>;

// A drawing context that records every call instead of drawing, with fixed text metrics so that
// layout can be checked to the pixel: each character (code point) is 0.6 x size wide, a line is
// `size` high, and size 0 counts as 12. Font, bold and italic do not change the metrics.
class RecordingGraphics : public tk::Graphics {
public:
    static constexpr int kDefaultSize = 12;

    explicit RecordingGraphics(std::shared_ptr<CallLog> log = std::make_shared<CallLog>());

    const CallLog& Calls() const { return *log_; }
    std::shared_ptr<CallLog> Log() const { return log_; }
    // ToString() of every call in order, or of those with this op.
    std::vector<std::string> Ops(const std::string& op = "") const;
    void Clear() { log_->clear(); }

    static double CharWidth(int size) { return 0.6 * (size == 0 ? kDefaultSize : size); }

    void DrawLine(int x1, int y1, int x2, int y2) override { Record("DrawLine", {x1, y1, x2, y2}); }
    void ClearRect(int x, int y, int width, int height) override {
        Record("ClearRect", {x, y, width, height});
    }
    void DrawRect(int x, int y, int width, int height) override { Record("DrawRect", {x, y, width, height}); }
    void FillRect(int x, int y, int width, int height) override { Record("FillRect", {x, y, width, height}); }
    void DrawOval(int x, int y, int width, int height) override { Record("DrawOval", {x, y, width, height}); }
    void FillOval(int x, int y, int width, int height) override { Record("FillOval", {x, y, width, height}); }
    void DrawPolygon(const std::vector<tk::Point>& vertices) override {
        Record("DrawPolygon", Flatten(vertices));
    }
    void FillPolygon(const std::vector<tk::Point>& vertices) override {
        Record("FillPolygon", Flatten(vertices));
    }
    void DrawPolyline(const std::vector<tk::Point>& vertices) override {
        Record("DrawPolyline", Flatten(vertices));
    }
    void DrawString(std::string_view text, int x, int baseline) override {
        Record("DrawString", {x, baseline}, std::string(text));
    }
    double StringWidth(std::string_view text) override;
    int TextHeight() override { return EffectiveSize(); }
    using tk::Graphics::DrawPicture;
    void DrawPicture(const tk::Picture& picture, tk::Rect destination, tk::Rect source) override;

private:
    static std::vector<int> Flatten(const std::vector<tk::Point>& vertices);
    void Record(std::string op, std::vector<int> args, std::string text = {});
    int EffectiveSize() const { return TextSize() == 0 ? kDefaultSize : TextSize(); }

    std::shared_ptr<CallLog> log_;
};

} // namespace fake
