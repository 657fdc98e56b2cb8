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

std::vector<std::string> RecordingGraphics::Ops(const std::string& op) const {
    std::vector<std::string> ops;
    for (const auto& call : *log_)
        if (op.empty() || call.op == op)
            ops.push_back(call.ToString());
    return ops;
}

std::vector<int> RecordingGraphics::Flatten(const std::vector<tk::Point>& vertices) {
    std::vector<int> args;
    for (const auto& p : vertices) {
        args.push_back(p.x);
        args.push_back(p.y);
    }
    return args;
}

void RecordingGraphics::Record(std::string op, std::vector<int> args, std::string text) {
    log_->push_back(DrawCall{std::move(op), std::move(args), std::move(text), ForeColor(), TextFont(),
                             TextSize(), Bold(), Italic(), PenSize()});
}

double RecordingGraphics::StringWidth(std::string_view text) {
    return tk::CharacterCount(std::string(text)) * CharWidth(EffectiveSize());
}

void RecordingGraphics::DrawPicture(const tk::Picture& /*picture*/, tk::Rect d, tk::Rect s) {
    Record("DrawPicture", {d.x, d.y, d.width, d.height, s.x, s.y, s.width, s.height});
}

} // namespace fake
