#include "tests/support/recording_graphics.h"

#include "toolkit/edit_field.h"

namespace fake {

std::string DrawCall::ToString() const {
    std::string s = op;
    if (op == "DrawString")
        s += " '" + text + "'";
    for (int a : args)
        s += " " + std::to_string(a);
    return s;
}

RecordingGraphics::RecordingGraphics(std::shared_ptr<CallLog> log) : log_(std::move(log)) {}

std::vector<std::string> RecordingGraphics::Ops() const {
    std::vector<std::string> ops;
    for (const auto& call : *log_)
        ops.push_back(call.ToString());
    return ops;
}

std::vector<std::string> RecordingGraphics::Ops(const std::string& op) const {
    std::vector<std::string> ops;
    for (const auto& call : *log_)
        if (call.op == op)
            ops.push_back(call.ToString());
    return ops;
}

double RecordingGraphics::CharWidth(int size) {
    return 0.6 * (size == 0 ? kDefaultSize : size);
}

int RecordingGraphics::EffectiveSize() const {
    return TextSize() == 0 ? kDefaultSize : TextSize();
}

void RecordingGraphics::Record(std::string op, std::vector<int> args, std::string text) {
    log_->push_back(DrawCall{std::move(op), std::move(args), std::move(text), ForeColor(), TextFont(),
                             TextSize(), Bold(), Italic(), PenSize()});
}

void RecordingGraphics::DrawLine(int x1, int y1, int x2, int y2) {
    Record("DrawLine", {x1, y1, x2, y2});
}
void RecordingGraphics::ClearRect(int x, int y, int w, int h) {
    Record("ClearRect", {x, y, w, h});
}
void RecordingGraphics::DrawRect(int x, int y, int w, int h) {
    Record("DrawRect", {x, y, w, h});
}
void RecordingGraphics::FillRect(int x, int y, int w, int h) {
    Record("FillRect", {x, y, w, h});
}
void RecordingGraphics::DrawOval(int x, int y, int w, int h) {
    Record("DrawOval", {x, y, w, h});
}
void RecordingGraphics::FillOval(int x, int y, int w, int h) {
    Record("FillOval", {x, y, w, h});
}

static std::vector<int> Flatten(const std::vector<tk::Point>& vertices) {
    std::vector<int> args;
    for (const auto& p : vertices) {
        args.push_back(p.x);
        args.push_back(p.y);
    }
    return args;
}

void RecordingGraphics::DrawPolygon(const std::vector<tk::Point>& v) {
    Record("DrawPolygon", Flatten(v));
}
void RecordingGraphics::FillPolygon(const std::vector<tk::Point>& v) {
    Record("FillPolygon", Flatten(v));
}

void RecordingGraphics::DrawPolyline(const std::vector<tk::Point>& v) {
    Record("DrawPolyline", Flatten(v));
}

void RecordingGraphics::DrawString(std::string_view text, int x, int baseline) {
    Record("DrawString", {x, baseline}, std::string(text));
}

double RecordingGraphics::StringWidth(std::string_view text) {
    return tk::CharacterCount(std::string(text)) * CharWidth(EffectiveSize());
}

int RecordingGraphics::TextHeight() {
    return EffectiveSize();
}

void RecordingGraphics::DrawPicture(const tk::Picture& /*picture*/, tk::Rect d, tk::Rect s) {
    Record("DrawPicture", {d.x, d.y, d.width, d.height, s.x, s.y, s.width, s.height});
}

} // namespace fake
