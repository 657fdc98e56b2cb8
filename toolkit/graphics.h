#pragma once

#include "toolkit/color.h"
#include "toolkit/font.h"
#include "toolkit/geometry.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

class Picture;

// A 2-D drawing context. The text style and colour persist on the context between calls.
//
// Pixel semantics: a rectangle or oval given as (x, y, width, height) covers columns x to
// x + width - 1 and rows y to y + height - 1, outlines included; a line covers both end points.
// Positions given to DrawString are baselines. A text size of 0 means the default size.
//
// Lines and outlines are PenSize pixels wide. A line of width n covers, along its length, n pixels
// across it: its own and n - 1 more shared out on both sides, the odd one right of a vertical line or
// below a horizontal one (so 2 adds the column to the right, 3 one on either side). Outlines of
// rectangles and ovals stay inside their rectangle, n pixels thick. Fills and text do not change.
//
// A context stands for a painter on a device, so it is never copied.
class Graphics {
public:
    Graphics() = default;
    virtual ~Graphics() = default;
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    Color ForeColor() const { return foreColor_; }
    void SetForeColor(Color c) { foreColor_ = c; }
    const std::string& TextFont() const { return textFont_; }
    void SetTextFont(std::string font) { textFont_ = std::move(font); }
    int TextSize() const { return textSize_; }
    void SetTextSize(int size) { textSize_ = size; }
    bool Bold() const { return bold_; }
    void SetBold(bool on) { bold_ = on; }
    bool Italic() const { return italic_; }
    void SetItalic(bool on) { italic_ = on; }
    int PenSize() const { return penSize_; }
    // Sizes below 1 are 1.
    void SetPenSize(int pixels) { penSize_ = std::max(1, pixels); }

    virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
    // Fills with the background (white) of the target.
    virtual void ClearRect(int x, int y, int width, int height) = 0;
    virtual void DrawRect(int x, int y, int width, int height) = 0;
    virtual void FillRect(int x, int y, int width, int height) = 0;
    virtual void DrawOval(int x, int y, int width, int height) = 0;
    virtual void FillOval(int x, int y, int width, int height) = 0;
    virtual void DrawPolygon(const std::vector<Point>& vertices) = 0;
    virtual void FillPolygon(const std::vector<Point>& vertices) = 0;
    // A line from each vertex to the next: the pixels DrawLine covers for each pair, which a vector
    // device may keep as one path. One vertex is a point.
    virtual void DrawPolyline(const std::vector<Point>& vertices);
    // A smooth curve through the vertices, PenSize wide with round ends and joins, its edges blended
    // into what lies below where the device can: a curve sampled finer than its pixels shows no
    // corners. Here it is drawn as the polyline through the nearest pixels.
    virtual void DrawSmoothPolyline(const std::vector<PointF>& vertices);

    // Text is UTF-8.
    virtual void DrawString(std::string_view text, int x, int baseline) = 0;
    virtual double StringWidth(std::string_view text) = 0;
    virtual int TextHeight() = 0;

    // Copies `source` of the picture into `destination`, scaling if the sizes differ.
    virtual void DrawPicture(const Picture& picture, Rect destination, Rect source) = 0;
    // Copies the whole picture unscaled with its top left corner at (x, y).
    void DrawPicture(const Picture& picture, int x, int y);

private:
    Color foreColor_ = kBlack;
    std::string textFont_ = kSystemFont;
    int textSize_ = 0;
    bool bold_ = false;
    bool italic_ = false;
    int penSize_ = 1;
};

} // namespace tk
