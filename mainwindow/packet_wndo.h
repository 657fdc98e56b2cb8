#pragma once

#include "graph/graph.h"
#include "physics/packet.h"
#include "physics/presets.h"
#include "toolkit/buttons.h"
#include "toolkit/edit_field.h"
#include "toolkit/window.h"

#include <array>
#include <functional>
#include <optional>

// States › Build a Packet…: the centre, the width and the mean momentum of a Gaussian packet,
// its density against that of its projection onto the six states, and the share of it they hold.
// Load hands the projection to `load`, as coefficients to type, and closes the window.
class PacketWndo : public tk::Window {
public:
    explicit PacketWndo(std::function<void(const physics::Typed&)> load) : load_(std::move(load)) {}

    void Layout() override;
    void CreateControls() override;
    void Event_Open() override;

    // The packet the fields describe, none while they describe none.
    const std::optional<physics::Packet>& Projection() const { return packet_; }

private:
    physics::PacketShape Shape() const;
    // The fields were edited: the projection, the share and the preview follow.
    void Follow();
    void DrawPreview();
    void Load();

    std::function<void(const physics::Typed&)> load_;
    std::array<tk::EditField*, 3> fields_{}; // centre, width, wavenumber
    Graph* preview_ = nullptr;
    tk::StaticText* share_ = nullptr;
    tk::PushButton* loadButton_ = nullptr;
    std::optional<physics::Packet> packet_;
};
