#pragma once

#include "graph/drawing_state.h"
#include "toolkit/graphics.h"
#include "toolkit/picture.h"

#include <memory>
#include <string>
#include <vector>

// Drawing kept as data and drawn again on other contexts: a picture recorded at the instant it
// shows, then replayed on a file, the clipboard or a printer however long the user takes to choose
// one. Text is measured on the context given, so the layout is the one that context would make.
// A line that starts where the one before it ended, in the same style, extends it into one
// polyline, which a vector file keeps as one curve. A picture drawn is kept as a copy of the part
// drawn, at its own pixels, so that every output draws the image it showed: a vector file embeds it.
class DrawList : public tk::Graphics {
public:
    // Measures text on `measure`, which must outlive the recording.
    explicit DrawList(tk::Graphics& measure) : measure_(&measure) {}

    // Where (0, 0) of the drawing that follows lies: parts of a picture are drawn at their places.
    void SetOrigin(tk::Point origin) { origin_ = origin; }
    // Draws every recorded call on g, in order, each in the style it was recorded with.
    void ReplayOn(tk::Graphics& g) const;

    void DrawLine(int x1, int y1, int x2, int y2) override;
    void ClearRect(int x, int y, int width, int height) override;
    void DrawRect(int x, int y, int width, int height) override;
    void FillRect(int x, int y, int width, int height) override;
    void DrawOval(int x, int y, int width, int height) override;
    void FillOval(int x, int y, int width, int height) override;
    void DrawPolygon(const std::vector<tk::Point>& vertices) override;
    void FillPolygon(const std::vector<tk::Point>& vertices) override;
    void DrawString(std::string_view text, int x, int baseline) override;
    double StringWidth(std::string_view text) override;
    int TextHeight() override;
    using tk::Graphics::DrawPicture;
    // Nothing is kept where the copy cannot be made.
    void DrawPicture(const tk::Picture& picture, tk::Rect destination, tk::Rect source) override;

private:
    using BoxCall = void (tk::Graphics::*)(int, int, int, int);
    using PolygonCall = void (tk::Graphics::*)(const std::vector<tk::Point>&);
    enum class Kind { Lines, Box, Polygon, Text, Image };
    // One call: a box's top left corner and its width and height as the second point, which `box`
    // draws, or which `image` is drawn into whole; a polygon's vertices, which `polygon` draws; a
    // polyline; or a text and its baseline's start.
    struct Call {
        Kind kind;
        DrawingState style;
        std::vector<tk::Point> points;
        std::string text;
        BoxCall box = nullptr;
        PolygonCall polygon = nullptr;
        std::unique_ptr<tk::Picture> image;
    };

    tk::Point Shifted(int x, int y) const { return {x + origin_.x, y + origin_.y}; }
    Call& Record(Kind kind, std::vector<tk::Point> points);
    void RecordBox(BoxCall box, int x, int y, int width, int height);
    void RecordPolygon(PolygonCall polygon, const std::vector<tk::Point>& vertices);
    tk::Graphics& Measure();

    tk::Graphics* measure_;
    tk::Point origin_;
    std::vector<Call> calls_;
};
