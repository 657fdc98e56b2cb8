#include "spacetime/heat_map.h"

#include "spacetime/viridis.h"
#include "toolkit/platform.h"

#include <algorithm>

void HeatMap::Make(int width, int height, int zoom) {
    picture_ = width > 0 && height > 0 ? tk::NewPicture(width, height, 32, zoom) : nullptr;
    row_.assign(static_cast<std::size_t>(PixelWidth()), tk::kWhite);
}

void HeatMap::Paint(const physics::Carpet& carpet, double top) {
    if (!picture_)
        return;
    const int rows = std::min(carpet.Rows(), PixelHeight());
    const std::size_t columns = std::min(static_cast<std::size_t>(carpet.Columns()), row_.size());
    const double scale = top > 0 ? 1 / top : 0;
    for (int i = 0; i < rows; ++i) {
        const auto densities = carpet.Row(i);
        for (std::size_t j = 0; j < columns; ++j)
            row_[j] = spacetime::Viridis(densities[j] * scale);
        picture_->WriteRow(i, row_);
    }
}

void HeatMap::PaintScale() {
    if (!picture_)
        return;
    const int rows = PixelHeight();
    for (int r = 0; r < rows; ++r) {
        const double fraction = rows > 1 ? static_cast<double>(rows - 1 - r) / (rows - 1) : 0;
        std::fill(row_.begin(), row_.end(), spacetime::Viridis(fraction));
        picture_->WriteRow(r, row_);
    }
}
