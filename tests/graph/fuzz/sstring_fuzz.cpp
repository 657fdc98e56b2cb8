// Feeds arbitrary bytes to every reader of styled strings: as an SString or plain markup to the
// header readers and to DrawSString, and as markup to SetSString, whose result is read again.
// Besides the sanitizers' findings, a broken promise of the readers aborts the run.

#include "graph/graph.h"
#include "graph/drawing_state.h"
#include "tests/support/recording_graphics.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Require(bool holds) {
    if (!holds)
        std::abort();
}

struct Placement {
    std::int32_t x;
    std::int32_t y;
    std::int32_t anchor;
    std::int32_t lineHeight;
};

void ReadEveryWay(Graph& graph, const std::string& s, const Placement& at) {
    const DrawingState before = DrawingState::Of(*graph.GX);
    const std::int32_t width = graph.GetSSWidth(s);
    const std::int32_t height = graph.GetSSHeight(s);
    Require(width >= 0 && width <= 65535 && height >= 0 && height <= 255 * 255);
    graph.GetSString(s);
    graph.DrawSString(s, at.x, at.y, at.anchor);
    graph.DrawSString(s, at.x, at.y);
    Require(DrawingState::Of(*graph.GX) == before);
    const std::string changed = graph.SetSSLineH(s, at.lineHeight);
    Require(s.empty() || changed.size() >= 3);
    Require(DrawingState::Of(*graph.GX) == before);
}

// Measuring gives an SString whose text, after the header, is the style and the markup as given.
// The line count is stored modulo 256, so only a header that holds exactly that many line widths
// gives that text back.
void CheckMeasured(Graph& graph, const std::string& markup, const std::string& measured) {
    if (markup.empty()) {
        Require(measured.empty());
        return;
    }
    const std::string text =
        "@" + graph.GX->TextFont() + "@#" + std::to_string(graph.GX->TextSize()) + "#" + markup;
    Require(measured.front() == '.' && measured.ends_with(text));
    const std::size_t lineCount = static_cast<unsigned char>(measured[1]);
    if (lineCount > 0 && measured.size() == 5 + 2 * lineCount + text.size())
        Require(graph.GetSString(measured) == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    fake::RecordingGraphics target;
    Graph graph;
    graph.GX = &target;
    static const char* const kFonts[] = {"System", "Symbol", "Helvetica"};
    graph.SetFontInfo(kFonts[input.ConsumeIntegralInRange(0, 2)], input.ConsumeIntegralInRange(-4, 200),
                      input.ConsumeBool(), input.ConsumeBool());
    const Placement at{input.ConsumeIntegral<std::int32_t>(), input.ConsumeIntegral<std::int32_t>(),
                       input.ConsumeIntegralInRange(-1, 10), input.ConsumeIntegral<std::int32_t>()};
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    ReadEveryWay(graph, bytes, at);
    const DrawingState before = DrawingState::Of(target);
    const std::string measured = graph.SetSString(bytes);
    Require(DrawingState::Of(target) == before);
    CheckMeasured(graph, bytes, measured);
    ReadEveryWay(graph, measured, at);
    graph.SetTitle(bytes);
    Require(graph.Title == measured);
    return 0;
}
