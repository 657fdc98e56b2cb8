#include "export/draw_list.h"

#include <algorithm>
#include <utility>

DrawList::Call& DrawList::Record(Kind kind, std::vector<tk::Point> points) {
    return calls_.emplace_back(
        Call{kind, DrawingState::Of(*this), std::move(points), {}, nullptr, nullptr, nullptr});
}

void DrawList::RecordBox(BoxCall box, int x, int y, int width, int height) {
    Record(Kind::Box, {Shifted(x, y), tk::Point{width, height}}).box = box;
}

void DrawList::RecordPolygon(PolygonCall polygon, const std::vector<tk::Point>& vertices) {
    std::vector<tk::Point> shifted;
    shifted.reserve(vertices.size());
    for (const tk::Point& p : vertices)
        shifted.push_back(Shifted(p.x, p.y));
    Record(Kind::Polygon, std::move(shifted)).polygon = polygon;
}

void DrawList::DrawLine(int x1, int y1, int x2, int y2) {
    const tk::Point from = Shifted(x1, y1);
    const tk::Point to = Shifted(x2, y2);
    if (!calls_.empty()) {
        Call& last = calls_.back();
        if (last.kind == Kind::Lines && last.points.back() == from && last.style == DrawingState::Of(*this)) {
            last.points.push_back(to);
            return;
        }
    }
    Record(Kind::Lines, {from, to});
}

void DrawList::ClearRect(int x, int y, int width, int height) {
    RecordBox(&tk::Graphics::ClearRect, x, y, width, height);
}

void DrawList::DrawRect(int x, int y, int width, int height) {
    RecordBox(&tk::Graphics::DrawRect, x, y, width, height);
}

void DrawList::FillRect(int x, int y, int width, int height) {
    RecordBox(&tk::Graphics::FillRect, x, y, width, height);
}

void DrawList::DrawOval(int x, int y, int width, int height) {
    RecordBox(&tk::Graphics::DrawOval, x, y, width, height);
}

void DrawList::FillOval(int x, int y, int width, int height) {
    RecordBox(&tk::Graphics::FillOval, x, y, width, height);
}

void DrawList::DrawPolygon(const std::vector<tk::Point>& vertices) {
    RecordPolygon(&tk::Graphics::DrawPolygon, vertices);
}

void DrawList::FillPolygon(const std::vector<tk::Point>& vertices) {
    RecordPolygon(&tk::Graphics::FillPolygon, vertices);
}

void DrawList::DrawString(std::string_view text, int x, int baseline) {
    Record(Kind::Text, {Shifted(x, baseline)}).text = text;
}

// The copy has the source's pixels, each covering as many of the screen's as there.
void DrawList::DrawPicture(const tk::Picture& picture, tk::Rect destination, tk::Rect source) {
    const int zoom = picture.Width() > 0 ? std::max(1, picture.PixelWidth() / picture.Width()) : 1;
    std::unique_ptr<tk::Picture> copy = tk::NewPicture(source.width, source.height, picture.Depth(), zoom);
    if (!copy || !copy->Graphics())
        return;
    copy->Graphics()->DrawPicture(picture, {0, 0, source.width, source.height}, source);
    Record(Kind::Image,
           {Shifted(destination.x, destination.y), tk::Point{destination.width, destination.height}})
        .image = std::move(copy);
}

tk::Graphics& DrawList::Measure() {
    DrawingState::Of(*this).ApplyTo(*measure_);
    return *measure_;
}

double DrawList::StringWidth(std::string_view text) {
    return Measure().StringWidth(text);
}

int DrawList::TextHeight() {
    return Measure().TextHeight();
}

// Two points are one line, drawn as such, so that a lone segment keeps DrawLine's own rules.
void DrawList::ReplayOn(tk::Graphics& g) const {
    for (const Call& call : calls_) {
        call.style.ApplyTo(g);
        const std::vector<tk::Point>& p = call.points;
        switch (call.kind) {
        case Kind::Lines:
            if (p.size() == 2)
                g.DrawLine(p[0].x, p[0].y, p[1].x, p[1].y);
            else
                g.DrawPolyline(p);
            break;
        case Kind::Box:
            (g.*call.box)(p[0].x, p[0].y, p[1].x, p[1].y);
            break;
        case Kind::Polygon:
            (g.*call.polygon)(p);
            break;
        case Kind::Text:
            g.DrawString(call.text, p[0].x, p[0].y);
            break;
        case Kind::Image:
            g.DrawPicture(*call.image, {p[0].x, p[0].y, p[1].x, p[1].y},
                          {0, 0, call.image->Width(), call.image->Height()});
            break;
        }
    }
}
