#include "bench/paint_counter.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace bench {

PaintCounter::PaintCounter(const std::vector<QWidget*>& widgets) {
    for (QWidget* widget : widgets) {
        paints_[widget] = 0;
        widget->installEventFilter(this);
    }
}

bool PaintCounter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint)
        if (auto found = paints_.find(watched); found != paints_.end())
            ++found->second;
    return false;
}

PaintCounter::Range PaintCounter::TakeRange() {
    Range range{paints_.empty() ? 0 : paints_.begin()->second, 0};
    for (auto& [widget, count] : paints_) {
        range.fewest = std::min(range.fewest, count);
        range.most = std::max(range.most, count);
        count = 0;
    }
    return range;
}

} // namespace bench
