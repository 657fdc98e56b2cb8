#include "mainwindow/packet_wndo.h"

#include "physics/packet_preview.h"
#include "physics/superposition.h"
#include "toolkit/numbers.h"
#include "toolkit/translation.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMargin = 16;
constexpr int kWidth = 560;
constexpr int kRowHeight = 28;
constexpr int kLabelWidth = 260;
constexpr int kFieldWidth = 100;
constexpr int kPreviewTop = kMargin + 3 * kRowHeight + 8;
constexpr int kPreviewHeight = 250;
constexpr int kShareTop = kPreviewTop + kPreviewHeight + 6;
constexpr int kButtonTop = kShareTop + 44;
constexpr int kButtonWidth = 96;
// A packet a teacher can see move: near L/4, a tenth of the box wide, at rest.
constexpr const char* kFirstShape[] = {"0.25", "0.08", "0"};

// The largest density either curve reaches, up to the next half, so that the ticks fall on round values.
double TopOf(const physics::PacketPreview& preview) {
    const auto top = [](const physics::Samples& samples) {
        return *std::max_element(samples.begin(), samples.end());
    };
    return std::max(0.5, std::ceil(std::max(top(preview.packet), top(preview.projection)) * 2) / 2);
}

void DrawCurve(Graph& graph, const physics::Samples& samples) {
    graph.CurveStart(0, samples[0]);
    for (int j = 1; j < physics::kSamples; ++j)
        graph.CurveTo(physics::SampleX(j), samples[j]);
}

} // namespace

void PacketWndo::Layout() {
    settings.title = tk::Translate("PacketWndo", "Build a Packet");
    settings.width = kWidth;
    settings.height = kButtonTop + 20 + kMargin;
    settings.resizable = false;
    settings.closeKeys = true;
    settings.placement = tk::kPlaceOver;
}

void PacketWndo::CreateControls() {
    const std::string labels[] = {tk::Translate("PacketWndo", "Centre x₀, in L:"),
                                  tk::Translate("PacketWndo", "Width σ of the density, in L:"),
                                  tk::Translate("PacketWndo", "Mean momentum k₀, in πħ/L:")};
    for (int i = 0; i < 3; ++i) {
        auto& label = AddControl("STShape", std::make_unique<tk::StaticText>(i));
        label.SetBounds(kMargin, kMargin + i * kRowHeight, kLabelWidth, 20);
        label.SetText(labels[i]);
        fields_[i] = &AddControl("EFShape", std::make_unique<tk::EditField>(i));
        fields_[i]->SetBounds(kMargin + kLabelWidth, kMargin + i * kRowHeight, kFieldWidth, 22);
        fields_[i]->SetBorder(true);
        fields_[i]->SetAccessibleName(labels[i]);
        fields_[i]->SetText(kFirstShape[i]);
        fields_[i]->TextChange = [this] { Follow(); };
    }
    preview_ = &AddControl("GFPreview", std::make_unique<Graph>());
    preview_->SetBounds(kMargin, kPreviewTop, kWidth - 2 * kMargin, kPreviewHeight);
    preview_->SetAcceptFocus(false);
    preview_->SetAccessibleName(tk::Translate(
        "PacketWndo", "The packet's density in black, the density of its part in the six states in red"));
    preview_->Open = [this] {
        preview_->SetXLabel("x/L");
        preview_->SetYLabel("L·&|ψ&|^2");
        preview_->SetGrid(true);
        preview_->DefineGraph(0, 1, 0, 1);
    };
    preview_->DrawContent = [this] { DrawPreview(); };
    share_ = &AddControl("STShare", std::make_unique<tk::StaticText>());
    share_->SetBounds(kMargin, kShareTop, kWidth - 2 * kMargin, 40);
    share_->SetWordWrap(true);
    auto& cancel = AddControl("PBCancel", std::make_unique<tk::PushButton>());
    cancel.SetBounds(kWidth - kMargin - 2 * kButtonWidth - 8, kButtonTop, kButtonWidth, 20);
    cancel.SetCaption(tk::Translate("PacketWndo", "Cancel"));
    cancel.SetCancel(true);
    cancel.Action = [this] { Close(); };
    loadButton_ = &AddControl("PBLoad", std::make_unique<tk::PushButton>());
    loadButton_->SetBounds(kWidth - kMargin - kButtonWidth, kButtonTop, kButtonWidth, 20);
    loadButton_->SetCaption(tk::Translate("PacketWndo", "Load"));
    loadButton_->SetDefault(true);
    loadButton_->Action = [this] { Load(); };
    AddKeyCommand("Return", [this] { Load(); }); // as a dialog's default button; Esc closes it
}

void PacketWndo::Event_Open() {
    Follow();
    fields_[0]->SetFocus();
}

// Text that is not a number reads 0, as in the main window's fields: a width of 0 is no packet.
physics::PacketShape PacketWndo::Shape() const {
    return {tk::Val(fields_[0]->Text()), tk::Val(fields_[1]->Text()), tk::Val(fields_[2]->Text())};
}

void PacketWndo::Follow() {
    packet_ = physics::PacketOf(Shape());
    loadButton_->SetEnabled(packet_.has_value());
    const std::string legend =
        tk::Translate("PacketWndo", "Black: the packet. Red: its part in the six states.");
    share_->SetText(
        packet_ ? legend + "\n" +
                      tk::Substitute(
                          tk::Translate("PacketWndo", "The six states hold %1 % of the packet (Σ|cₙ|²)."),
                          {tk::Format(packet_->share * 100, "0.0")})
                : tk::Translate("PacketWndo",
                                "No packet: give a centre, a width above 0 and a momentum as numbers."));
    if (!preview_->IsDefined())
        return;
    preview_->DefineGraph(0, 1, 0, packet_ ? TopOf(physics::PreviewOf(Shape(), *packet_)) : 1);
    preview_->ReDrawAll();
}

void PacketWndo::DrawPreview() {
    if (!packet_)
        return;
    const physics::PacketPreview preview = physics::PreviewOf(Shape(), *packet_);
    DrawCurve(*preview_, preview.packet);
    preview_->SetColor(tk::kCurveRed);
    DrawCurve(*preview_, preview.projection);
    preview_->SetColor(tk::kBlack);
}

void PacketWndo::Load() {
    if (!packet_)
        return;
    load_({packet_->magnitudes, packet_->degrees});
    Close();
}
